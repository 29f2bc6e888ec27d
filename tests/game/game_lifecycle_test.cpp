#include <map>
#include <string>

#include "game/number_text.h"
#include "game_fixture.h"

namespace gametest {
namespace {

using game::Readout;

using GameLifecycleTest = GameFixture;

// Stop clears the stage and the list and resets the counters; the read-outs keep the last texts.
TEST_F(GameLifecycleTest, StopEmptiesStageAndListAndLeavesTheReadOuts)
{
    host.level = "3";
    startWith("ABCDEFGHIJ");
    ASSERT_TRUE(shoot('D'));
    stepBy(1000);
    game.onClockTick();
    game.onStageKey('E', 0); // a shot still in flight at Stop
    const std::map<Readout, std::string> captions = host.captions;
    const int impactsBefore = sounds.countOf(impactSound);

    game.stopGame();
    EXPECT_EQ(stage.spriteCount(), 0u);
    EXPECT_TRUE(letters.empty());
    EXPECT_EQ(host.captions, captions);
    EXPECT_EQ(host.clockPeriod(), 0);
    EXPECT_EQ(sounds.countOf(impactSound), impactsBefore + 1); // the shot's destroy sound
    const game::GameState& s = game.state();
    EXPECT_EQ(s.stopping, 0);
    EXPECT_EQ(s.hitCount, 0);
    EXPECT_EQ(s.startTick, 0);
    EXPECT_EQ(s.speedBonus, 0);
    EXPECT_EQ(s.practiceCount, 0);
    EXPECT_EQ(s.level, 3);

    // Stop without a game: nothing to see, counters stay 0.
    game.stopGame();
    EXPECT_EQ(stage.spriteCount(), 0u);
    EXPECT_EQ(host.captions, captions);
}

TEST_F(GameLifecycleTest, StartTwiceThenStopRemovesBothMastersAndAllLetters)
{
    game.startGame();
    const stage::SpriteId firstMaster = game.state().letterTemplateId;
    game.startGame();
    EXPECT_NE(game.state().letterTemplateId, firstMaster);
    EXPECT_TRUE(stage.contains(firstMaster));
    EXPECT_EQ(letters.size(), 20u);
    EXPECT_EQ(stage.spriteCount(), 22u);
    EXPECT_EQ(game.state().practiceCount, 10);
    EXPECT_EQ(host.caption(Readout::PracticeCount), "10");
    for (std::size_t i = 0; i < letters.size(); ++i)
        EXPECT_EQ(letters.at(i).column, static_cast<int>(i % 10) + 1);

    game.stopGame();
    EXPECT_EQ(stage.spriteCount(), 0u);
    EXPECT_TRUE(letters.empty());
}

// A second Start begins a new count: hits, bonus and start time are taken afresh with the practice
// count, while the letters already falling stay. Accuracy can then never pass 100 %.
TEST_F(GameLifecycleTest, SecondStartBeginsANewCountSoAccuracyStaysWithinAHundredPercent)
{
    startWith("ABCDEFGHIJ");
    for (char ch : std::string("0123456789"))
        random.queueCharacter(ch);
    for (char ch : std::string("ABCDEFGHIJ"))
        ASSERT_TRUE(shoot(ch)) << ch;
    ASSERT_EQ(game.state().speedBonus, 10);
    stepBy(1000);

    startWith("KLMNOPQRST");
    EXPECT_EQ(game.state().hitCount, 0);
    EXPECT_EQ(game.state().speedBonus, 0);
    EXPECT_EQ(game.state().startTick, clock.uptimeMs());
    EXPECT_EQ(game.state().practiceCount, 10);
    EXPECT_EQ(letters.size(), 20u);

    const std::int64_t restart = clock.nowMs;
    ASSERT_TRUE(shoot('5')); // a letter of the first wave's replacements, lowest in lane 6
    EXPECT_EQ(host.caption(Readout::Accuracy), "10%");
    const double seconds = static_cast<double>(clock.nowMs - restart) / 1000.0;
    EXPECT_EQ(host.caption(Readout::Speed), game::realText(game::roundDecimals(1.0 / seconds, 1)) + "字/秒");
    // The replacement of a hit after the restart steps with the plain level interval again.
    EXPECT_EQ(msUntilFirstStep(letters.at(letters.size() - 1).spriteId), 500);
}

// A hit in the very millisecond of a second Start (a shot already rising) has no measurable speed.
TEST_F(GameLifecycleTest, HitAtZeroElapsedTimeShowsAFiniteSpeed)
{
    startWith("ABCDEFGHIJ");
    game.onStageKey('A', 0);
    stepTo(245); // the shot hits at the 250 ms tick
    clock.nowMs = 250;
    game.startGame();
    stage.tick(clock.nowMs);
    ASSERT_EQ(game.state().hitCount, 1);
    EXPECT_EQ(host.caption(Readout::Speed), "0字/秒");
    EXPECT_EQ(host.caption(Readout::Accuracy), "10%");
}

// A game that spans the moment the 32-bit uptime turns negative still counts its time.
TEST_F(GameLifecycleTest, PracticeTimeAndSpeedStayRightWhenTheUptimeTurnsNegative)
{
    clock.uptimeOffset = 0x7FFFFF00u; // 256 ms before 2^31
    startWith("ABCDEFGHIJ");
    ASSERT_TRUE(shoot('A')); // at 250 ms, still before the sign change
    stepTo(2000);
    game.onClockTick();
    EXPECT_EQ(host.caption(Readout::PracticeTime), "2秒");
    ASSERT_TRUE(shoot('B'));
    EXPECT_EQ(host.caption(Readout::Speed), "0.9字/秒"); // 2 hits in 2.25 s
}

} // namespace
} // namespace gametest
