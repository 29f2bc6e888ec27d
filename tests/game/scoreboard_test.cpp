#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "fakes/fake_game_host.h"
#include "fakes/manual_clock.h"
#include "game/scoreboard.h"

namespace {

using game::Readout;

class ScoreboardTest : public ::testing::Test {
protected:
    // A game started at the clock's present moment.
    void startNow() { state.startTick = clock.uptimeMs(); }

    fakes::FakeGameHost host;
    fakes::ManualClock clock;
    game::GameState state;
    game::Scoreboard scoreboard {host, clock};
};

TEST_F(ScoreboardTest, AccuracyIsHitsPerLaunchedLetterToOneDecimal)
{
    struct Case {
        std::int32_t hits;
        std::int32_t launched;
        const char* text;
    };
    const Case cases[] = {
        {1, 10, "10%"},
        {2, 11, "18.2%"},
        {2, 12, "16.7%"},
        {3, 16, "18.8%"},
        {1, 400, "0.3%"},
        {1, 2001, "0%"},
        {10, 10, "100%"},
    };
    for (const auto& c : cases) {
        state.hitCount = c.hits;
        state.practiceCount = c.launched;
        scoreboard.showHitStats(state);
        EXPECT_EQ(host.caption(Readout::Accuracy), c.text) << c.hits << "/" << c.launched;
    }
}

TEST_F(ScoreboardTest, SpeedIsHitsPerSecondSinceStartToOneDecimal)
{
    struct Case {
        std::int32_t hits;
        std::int64_t elapsedMs;
        const char* text;
    };
    const Case cases[] = {
        {5, 12345, "0.4字/秒"},
        {1, 1000, "1字/秒"},
        {2, 3000, "0.7字/秒"},
        {3, 500, "6字/秒"},
    };
    for (const auto& c : cases) {
        clock.nowMs = 0;
        startNow();
        clock.nowMs = c.elapsedMs;
        state.hitCount = c.hits;
        state.practiceCount = 10;
        scoreboard.showHitStats(state);
        EXPECT_EQ(host.caption(Readout::Speed), c.text) << c.hits << " in " << c.elapsedMs << " ms";
    }
}

TEST_F(ScoreboardTest, HitAtZeroElapsedTimeShowsZeroSpeedNotInfinity)
{
    startNow();
    state.hitCount = 3;
    state.practiceCount = 12;
    scoreboard.showHitStats(state);
    EXPECT_EQ(host.caption(Readout::Speed), "0字/秒");
    EXPECT_EQ(host.caption(Readout::Accuracy), "25%");
}

TEST_F(ScoreboardTest, PracticeTimeCountsWholeSecondsSinceStart)
{
    struct Case {
        std::int64_t elapsedMs;
        const char* text;
    };
    const Case cases[] = {{998, "0秒"}, {1999, "1秒"}, {2000, "2秒"}, {600000, "600秒"}};
    for (const auto& c : cases) {
        clock.nowMs = 5000;
        startNow();
        clock.nowMs += c.elapsedMs;
        scoreboard.showPracticeTime(state);
        EXPECT_EQ(host.caption(Readout::PracticeTime), c.text) << c.elapsedMs;
    }
}

TEST_F(ScoreboardTest, ElapsedTimeStaysRightAcrossTheCounterTurningNegativeAndWrapping)
{
    // Start 0.5 s before the counter reaches 2^31 (where the signed reading turns negative), and 0.5 s
    // before it wraps from 2^32 - 1 to 0.
    const std::uint32_t starts[] = {0x7FFFFE0Cu, 0xFFFFFE0Cu};
    for (const std::uint32_t start : starts) {
        clock.nowMs = 0;
        clock.uptimeOffset = start;
        startNow();
        clock.nowMs = 2000;
        state.hitCount = 5;
        state.practiceCount = 10;
        scoreboard.showPracticeTime(state);
        scoreboard.showHitStats(state);
        EXPECT_EQ(host.caption(Readout::PracticeTime), "2秒") << start;
        EXPECT_EQ(host.caption(Readout::Speed), "2.5字/秒") << start;
    }
}

TEST_F(ScoreboardTest, PracticeCountIsThePlainInteger)
{
    state.practiceCount = 10;
    scoreboard.showPracticeCount(state);
    EXPECT_EQ(host.caption(Readout::PracticeCount), "10");
    EXPECT_EQ(host.captions.size(), 1u); // the other read-outs are untouched
}

TEST(ElapsedSeconds, IsTheDifferenceModuloTheCounterRange)
{
    EXPECT_DOUBLE_EQ(
        game::elapsedSeconds(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()),
        0.001);
    EXPECT_DOUBLE_EQ(game::elapsedSeconds(-1, 0), 0.001);
    EXPECT_DOUBLE_EQ(game::elapsedSeconds(1000, 3500), 2.5);
}

} // namespace
