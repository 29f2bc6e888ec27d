#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "game_fixture.h"

namespace gametest {
namespace {

using game::Readout;

using LaunchingTest = GameFixture;

// Start: a hidden master at (0, 0), then ten red letters at the top of lanes 1..10, one per lane.
TEST_F(LaunchingTest, StartLaunchesTenRedLettersInLanesOneToTenAtTheTop)
{
    startWith("7ABCDEFGH9");
    ASSERT_EQ(letters.size(), 10u);
    const std::string shown = "7ABCDEFGH9";
    for (int lane = 1; lane <= 10; ++lane) {
        const auto& letter = letters.at(static_cast<std::size_t>(lane - 1));
        const stage::SpriteView sprite = stage.sprite(letter.spriteId);
        EXPECT_EQ(letter.column, lane);
        EXPECT_EQ(letter.text, shown.substr(static_cast<std::size_t>(lane - 1), 1));
        EXPECT_EQ(sprite.x, 42 * lane);
        EXPECT_EQ(sprite.y, 0);
        EXPECT_TRUE(sprite.visible);
        ASSERT_NE(sprite.text, nullptr);
        EXPECT_EQ(*sprite.text, letter.text);
        ASSERT_NE(sprite.image, nullptr);
        EXPECT_EQ(sprite.image->pixel(text.inkLeft, text.inkTop), 0xFFFF0000u); // pure red, opaque
    }
    const stage::SpriteView master = stage.sprite(game.state().letterTemplateId);
    EXPECT_FALSE(master.visible);
    EXPECT_EQ(master.x, 0);
    EXPECT_EQ(master.y, 0);
    EXPECT_FALSE(listed(master.id));
    EXPECT_EQ(stage.spriteCount(), 11u);

    EXPECT_EQ(host.caption(Readout::PracticeCount), "10");
    EXPECT_EQ(game.state().practiceCount, 10);
    EXPECT_EQ(host.clockPeriods, std::vector<int> {1000});
    EXPECT_EQ(host.focusCount, 1);
    EXPECT_EQ(random.seeds, std::vector<std::int32_t> {clock.uptimeMs()});
}

// Every letter takes all three draws, in order, though only two are used.
TEST_F(LaunchingTest, EveryLetterDrawsChoiceDigitAndCapitalInOrder)
{
    game.startGame();
    ASSERT_EQ(random.draws.size(), 30u);
    const std::vector<std::pair<int, int>> perLetter {{1, 2}, {48, 57}, {65, 90}};
    for (std::size_t i = 0; i < random.draws.size(); ++i)
        EXPECT_EQ(random.draws[i], perLetter[i % 3]) << "draw " << i;
    EXPECT_EQ(letters.at(0).text, "0"); // choice 1 picks the digit draw
}

struct PaceCase {
    const char* levelText;
    int intervalMs;
};

class LetterPaceTest : public GameFixture, public ::testing::WithParamInterface<PaceCase> { };

// A letter steps 10 px down once per interval of 550 - 50 x level; an interval of 0 or less means every tick.
TEST_P(LetterPaceTest, LetterStepsTenPixelsEveryInterval)
{
    host.level = GetParam().levelText;
    game.startGame();
    const stage::SpriteId id = letters.at(0).spriteId;
    const int interval = std::max(GetParam().intervalMs, kTickMs);
    stepTo(interval - kTickMs);
    EXPECT_EQ(stage.sprite(id).y, 0);
    stepTo(interval);
    EXPECT_EQ(stage.sprite(id).y, 10);
    EXPECT_EQ(stage.sprite(id).x, 42);
    stepTo(2 * interval);
    EXPECT_EQ(stage.sprite(id).y, 20);
}

INSTANTIATE_TEST_SUITE_P(Levels, LetterPaceTest,
    ::testing::Values(PaceCase {"1", 500}, PaceCase {"10", 50}, PaceCase {"11", 0}, PaceCase {"12", -50},
        PaceCase {"0", 550}, PaceCase {"", 550}, PaceCase {"-2", 650}, PaceCase {"2.9", 450}, PaceCase {"-1.5", 600},
        PaceCase {"２", 450}));

TEST_F(LaunchingTest, LevelIsReadAtEveryStart)
{
    host.level = "-1.5";
    game.startGame();
    EXPECT_EQ(game.state().level, -1);
    host.level = "1e30";
    game.startGame();
    EXPECT_EQ(game.state().level, 0);
}

// A letter that falls across the bottom edge is lost: removed and replaced at the top of its lane.
TEST_F(LaunchingTest, LostLetterIsReplacedInItsLaneWithoutCountingAHit)
{
    host.level = "10";
    startWith("ABCDEFGHIJ");
    random.queueCharacter('Z');
    const stage::SpriteId lost = letters.at(0).spriteId;
    ASSERT_TRUE(stepUntil([&] { return !listed(lost); }));

    // Ink ends 30 px below the letter's top: the step to y = 490 puts it at y >= 510.
    EXPECT_EQ(clock.nowMs, 49 * 50);
    EXPECT_FALSE(stage.contains(lost));
    ASSERT_EQ(letters.size(), 10u);
    const auto z = letters.findLetterByText("Z");
    ASSERT_TRUE(z.has_value());
    EXPECT_EQ(letters.at(*z).column, 1);
    EXPECT_EQ(stage.sprite(letters.at(*z).spriteId).x, 42);
    EXPECT_EQ(stage.sprite(letters.at(*z).spriteId).y, 0);
    EXPECT_EQ(game.state().practiceCount, 20); // all ten fell in the same tick
    EXPECT_EQ(host.caption(Readout::PracticeCount), "20");
    EXPECT_EQ(game.state().hitCount, 0);
    EXPECT_EQ(host.captions.count(Readout::Accuracy), 0u);
    EXPECT_EQ(host.captions.count(Readout::Speed), 0u);
    EXPECT_EQ(host.focusCount, 11);
}

TEST_F(LaunchingTest, ClockTickShowsWholeSecondsSinceStart)
{
    stepTo(3000);
    game.startGame();
    stepBy(10'000);
    game.onClockTick();
    EXPECT_EQ(host.caption(Readout::PracticeTime), "10秒");
    stepBy(999);
    game.onClockTick();
    EXPECT_EQ(host.caption(Readout::PracticeTime), "10秒");
}

} // namespace
} // namespace gametest
