#include "game_fixture.h"

namespace gametest {
namespace {

using game::Readout;

using HitsTest = GameFixture;

// The road of one hit: key, shot, collision, explosion where the shot struck, read-outs, replacement.
TEST_F(HitsTest, ShotLetterExplodesIsCountedAndReplacedInItsLane)
{
    startWith("ABCDEFGHIJ");
    random.queueCharacter('7');
    const stage::SpriteId target = idShowing('C');
    game.onStageKey('C', 0);
    // The shot rises 20 px every 10 ms from y = 512; it first overlaps the ink (rows 6..29) at y = 12.
    ASSERT_TRUE(stepUntil([&] { return !listed(target); }, 1000));
    EXPECT_EQ(clock.nowMs, 250);

    const stage::SpriteView explosion = stage.sprite(target);
    EXPECT_EQ(explosion.x, 42 * 3 + 5 - 28); // the shot's position before the step, moved by (-28, -40)
    EXPECT_EQ(explosion.y, 32 - 40);
    ASSERT_NE(explosion.image, nullptr);
    EXPECT_EQ(explosion.image->width, 62);
    EXPECT_FALSE(explosion.image->isOpaque(0, 0)); // the green ground is transparent
    EXPECT_EQ(shotsOnStage(), 0);
    EXPECT_EQ(sounds.countOf(assets.shotSound), 1);
    EXPECT_GE(sounds.countOf(impactSound), 1);

    EXPECT_EQ(game.state().hitCount, 1);
    EXPECT_EQ(host.caption(Readout::Accuracy), "10%");
    EXPECT_EQ(host.caption(Readout::Speed), "4字/秒"); // one hit in 0.25 s
    EXPECT_EQ(game.state().practiceCount, 11);
    EXPECT_EQ(host.caption(Readout::PracticeCount), "11");

    ASSERT_EQ(letters.size(), 10u);
    const game::FallingLetter& replacement = letters.at(9);
    EXPECT_EQ(replacement.text, "7");
    EXPECT_EQ(replacement.column, 3);
    EXPECT_EQ(stage.sprite(replacement.spriteId).x, 42 * 3);
    EXPECT_EQ(stage.sprite(replacement.spriteId).y, 0);

    // The explosion plays its frames once and goes.
    stepBy(50 * kExplosionFrames + 50);
    EXPECT_FALSE(stage.contains(target));
}

// The tenth hit raises the bonus before its replacement is launched; the ninth does not.
TEST_F(HitsTest, TenthHitMakesLaterReplacementsStepTenMillisecondsSooner)
{
    startWith("ABCDEFGHIJ");
    for (char ch : std::string("ABCDEFGH"))
        ASSERT_TRUE(shoot(ch)) << ch;
    random.queueCharacter('X');
    ASSERT_TRUE(shoot('I'));
    EXPECT_EQ(game.state().speedBonus, 0);
    EXPECT_EQ(msUntilFirstStep(idShowing('X')), 500);

    random.queueCharacter('Y');
    ASSERT_TRUE(shoot('J'));
    EXPECT_EQ(game.state().hitCount, 10);
    EXPECT_EQ(game.state().speedBonus, 10);
    EXPECT_EQ(host.caption(Readout::Accuracy), "52.6%"); // 10 hits of 19 launched before the replacement
    EXPECT_EQ(msUntilFirstStep(idShowing('Y')), 490);
}

// Two shots into one letter in the same tick: the first explodes it, the second meets the explosion,
// finds no record and is used up without a hit.
TEST_F(HitsTest, SecondShotIntoTheSameLetterInOneTickCountsNothing)
{
    host.level = "10";
    startWith("ABCDEFGHIJ");
    stepTo(1000); // 200 px down, far below the replacement that will appear at the top
    const stage::SpriteId target = idShowing('E');
    game.onStageKey('E', 0);
    game.onStageKey('E', 0);
    EXPECT_EQ(shotsOnStage(), 2);
    ASSERT_TRUE(stepUntil([&] { return !listed(target); }, 1000));
    EXPECT_EQ(shotsOnStage(), 0);
    EXPECT_EQ(game.state().hitCount, 1);
    EXPECT_EQ(game.state().practiceCount, 11);
    EXPECT_EQ(letters.size(), 10u);
    EXPECT_EQ(sounds.countOf(assets.shotSound), 2);
}

// A letter that steps onto a rising shot is the mover: that event names the shot and is ignored. The
// letter stops there; the shot's step in the same tick runs into it and explodes it where it stands.
TEST_F(HitsTest, LetterFallingOntoARisingShotExplodesWhereItStands)
{
    startWith("ABCDEFGHIJ");
    const stage::SpriteId target = idShowing('B');
    stepTo(250);
    game.onStageKey('B', 0);
    // At 490 ms the shot is at y = 32, just below the ink (rows 6..29). At 500 ms the letter steps first
    // (it lies lower in the z-order) into rows 16..39 and meets the shot; then the shot steps to y = 12.
    stepTo(495);
    EXPECT_EQ(stage.sprite(target).y, 0);
    EXPECT_TRUE(listed(target));
    stepTo(500);
    EXPECT_FALSE(listed(target));
    EXPECT_EQ(game.state().hitCount, 1);
    const stage::SpriteView explosion = stage.sprite(target);
    EXPECT_EQ(explosion.x, 42 * 2 + 5 - 28);
    EXPECT_EQ(explosion.y, 32 - 40);
}

// Events about sprites the game does not list change nothing.
TEST_F(HitsTest, EventsForUnlistedSpritesAreIgnored)
{
    startWith("ABCDEFGHIJ");
    const std::size_t sprites = stage.spriteCount();
    const int captionWrites = host.captionWrites;
    game.onSpriteCollision(letters.at(0).spriteId, 10, 10, 9999);
    game.onSpriteCollision(letters.at(0).spriteId, 10, 10, game.state().letterTemplateId);
    game.onBoundaryHit(9999, 0, 0, 8);
    game.onBoundaryHit(game.state().letterTemplateId, 0, 0, 8);
    EXPECT_EQ(stage.spriteCount(), sprites);
    EXPECT_EQ(letters.size(), 10u);
    EXPECT_EQ(game.state().hitCount, 0);
    EXPECT_EQ(game.state().practiceCount, 10);
    EXPECT_EQ(host.captionWrites, captionWrites);
}

} // namespace
} // namespace gametest

namespace gametest {

// With two letters in a lane, the lower one can step onto a rising shot and stop while the shot's
// next step strikes the upper one. The stopped letter must not hang there: it falls on at its pace.
TEST_F(HitsTest, LetterStoppedByAShotThatStruckAnotherFallsOn)
{
    startWith("ABCDEFGHIJ");
    stepTo(1000);
    startWith("KLMNOPQRST");
    const stage::SpriteId lower = idShowing('A');
    stepTo(1260);
    game.onStageKey('A', 0);
    ASSERT_TRUE(stepUntil([&] { return game.state().hitCount == 1; }, 1'000));
    ASSERT_TRUE(listed(lower)) << "the shot struck the upper letter K, not A";
    const int stoppedAt = stage.sprite(lower).y;
    stepBy(1'000);
    EXPECT_GE(stage.sprite(lower).y, stoppedAt + 10) << "the letter still falls";
    EXPECT_TRUE(stage.sprite(lower).advancing);
}

} // namespace gametest
