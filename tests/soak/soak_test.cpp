#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "fakes/block_text_rasterizer.h"
#include "fakes/manual_clock.h"
#include "game/game.h"
#include "platform/seeded_random.h"
#include "soak/soak_bot.h"
#include "soak/soak_host.h"
#include "soak/soak_referee.h"
#include "stage/stage.h"

namespace soak {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

constexpr int kStageSize = 510; // drawing area inside the one-pixel border of the 512 x 512 control
constexpr int kTickMs = 5;
constexpr int kLetterCheckTicks = 20; // the listed letters are checked every 100 ms of game time
constexpr std::int64_t kHourMs = 3'600'000;
constexpr std::int64_t kRssMarkMs = 600'000;
constexpr std::int64_t kRssTolerance = 4 << 20;
constexpr std::uint32_t kDefaultSeed = 20'250'601;

// A whole number from the environment, or the fallback when it is not set.
std::int64_t fromEnvironment(const char* name, std::int64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::stoll(text) : fallback;
}

// Resident set size of this process in bytes; 0 when the system does not tell.
std::int64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::int64_t pages = 0;
    std::int64_t resident = 0;
    if (!(statm >> pages >> resident))
        return 0;
    return resident * sysconf(_SC_PAGESIZE);
}

stage::SpriteTemplate letterTemplate()
{
    stage::SpriteTemplate t;
    t.text = "A";
    t.textColor = stage::rgb(128, 128, 255);
    t.angle = 180; // straight down
    t.collidedSound = assets::impactSound();
    t.type = 1;
    return t;
}

stage::SpriteTemplate shotTemplate()
{
    stage::SpriteTemplate t;
    t.picture = assets::shotPicture();
    t.autoGetTransColor = true;
    t.playGif = true;
    t.angle = 0; // straight up
    t.destroySound = assets::impactSound();
    t.collidedSound = assets::impactSound();
    t.type = 0;
    return t;
}

// Counts the sounds instead of keeping them, so an hour of play does not grow the test's memory.
class CountingSoundPlayer : public stage::SoundPlayer {
public:
    void play(stage::Sound) override { ++played; }
    std::int64_t played = 0;
};

// The real game on a real stage with the program's own pictures, a stepped clock that also serves as
// the uptime counter, and a player bot. The game time comes from ZORVANE_SOAK_SECONDS (default one
// hour), the bot's seed from ZORVANE_SOAK_SEED; the run is the same every time for the same two.
class SoakTest : public ::testing::Test {
protected:
    SoakTest()
    {
        // The signed uptime reading turns negative 40 % into the run: read-outs must not notice.
        clock.uptimeOffset = static_cast<std::uint32_t>((std::int64_t {1} << 31) - durationMs * 2 / 5);
        stage.setListener(&referee);
        host.onCaption = [this](game::Readout r, const std::string& text) { referee.checkCaption(r, text); };
        bot.onStarted = [this] { referee.started(); };
        bot.onStopped = [this] { referee.stopped(); };
    }

    // One stage tick with what happens between ticks: the clock's tick, the player's move, the checks.
    void step(std::int64_t tick)
    {
        clock.nowMs += kTickMs;
        stage.tick(clock.nowMs);
        if (host.clockTickDue()) {
            game.onClockTick();
            ++clockTicks;
        }
        bot.play(clock.nowMs);
        referee.checkTick(bot.keysInLastSecond());
        if (tick % kLetterCheckTicks == 0)
            referee.checkLetters();
    }

    void printSummary(std::int64_t rssAtMark, std::int64_t rssAtEnd) const
    {
        const BotTally& b = bot.tally();
        const RefereeTally& r = referee.tally();
        std::cout << "soak: " << durationMs / 1000 << " s of game time, seed " << seed << "\n"
                  << "  bot: " << b.starts << " Starts (" << b.secondStarts << " during a game), " << b.stops
                  << " Stops (+" << b.stopsWithoutGame << " idle), " << b.levelChanges << " levels typed, " << b.floods
                  << " floods, " << b.dozes << " dozes\n"
                  << "  keys: " << b.aimedKeys << " aimed, " << b.wrongKeys << " wrong, " << b.otherKeys << " other, "
                  << b.unfocusedKeys << " into the level box\n"
                  << "  game: " << r.hits << " hits, " << r.losses << " losses, " << clockTicks << " clock ticks, "
                  << r.captionsChecked << " read-outs checked, " << sounds.played << " sounds\n"
                  << "  peaks: " << r.peakSprites << " sprites, " << r.peakLetters << " letters, " << r.peakStarts
                  << " Starts without Stop, " << r.frozenLetters << " letters frozen\n"
                  << "  resident: " << rssAtMark / 1024 << " KiB at " << rssMarkMs() / 1000 << " s, " << rssAtEnd / 1024
                  << " KiB at the end\n";
    }

    [[nodiscard]] std::int64_t rssMarkMs() const { return std::min(kRssMarkMs, durationMs / 2); }

    const std::int64_t durationMs = fromEnvironment("ZORVANE_SOAK_SECONDS", kHourMs / 1000) * 1000;
    const std::uint32_t seed = static_cast<std::uint32_t>(fromEnvironment("ZORVANE_SOAK_SEED", kDefaultSeed));
    fakes::ManualClock clock;
    CountingSoundPlayer sounds;
    fakes::BlockTextRasterizer text;
    stage::Stage stage {kStageSize, kStageSize, [this] { return clock.nowMs; }, sounds, text};
    platform::SeededRandom random;
    game::FallingLetters letters;
    game::GameAssets assets {letterTemplate(), shotTemplate(), assets::hitPicture(), assets::shotSound()};
    SoakHost host {clock.nowMs};
    game::Game game {stage, letters, host, clock, random, sounds, assets};
    SoakReferee referee {clock.nowMs, stage, game, host, text.cellWidth};
    SoakBot bot {seed, game, stage, host};
    std::int64_t clockTicks = 0;
};

// The player hits most letters, mistypes, dozes, floods the keyboard, types levels from "" to "abc"
// and clicks Start and Stop in every order; through all of it the listed letters stay true to the
// stage, the counters agree, the read-outs stay well-formed, Stop leaves nothing behind and neither
// the stage nor the process grows.
TEST_F(SoakTest, AnHourOfPlayKeepsEveryRuleAndLeavesNothingBehind)
{
    std::int64_t rssAtMark = 0;
    for (std::int64_t tick = 1; clock.nowMs < durationMs && !referee.failed(); ++tick) {
        step(tick);
        if (clock.nowMs == rssMarkMs())
            rssAtMark = residentBytes();
    }
    bot.clickStop();
    const std::int64_t rssAtEnd = residentBytes();
    printSummary(rssAtMark, rssAtEnd);
    ASSERT_FALSE(referee.failed());

    // Every kind of play came up, and the player hit most of what it saw.
    const BotTally& b = bot.tally();
    const RefereeTally& r = referee.tally();
    EXPECT_GT(b.secondStarts, 0);
    EXPECT_GT(b.stops, 0);
    EXPECT_GT(b.floods, 0);
    EXPECT_GT(b.levelChanges, 0);
    EXPECT_GT(b.wrongKeys + b.otherKeys, 0);
    EXPECT_GT(r.losses, 0);
    EXPECT_GT(r.hits, 2 * r.losses);
    EXPECT_GT(clockTicks, 0);

    // A letter that runs into a rising shot halts; when that shot's next step hits another letter of
    // the lane (two per lane after a second Start), the halted one must not stay frozen in mid-air.
    EXPECT_EQ(r.frozenLetters, 0) << "first: " << r.firstFrozen;

    if (!kUnderAddressSanitizer && rssAtMark > 0 && rssAtEnd > 0) {
        EXPECT_LT(std::abs(rssAtEnd - rssAtMark), kRssTolerance)
            << "resident memory moved between the mark and the end";
    }
}

} // namespace
} // namespace soak
