#include "game_fixture.h"

namespace gametest {
namespace {

using ShootingTest = GameFixture;

// The shot starts just below the stage, 5 px into the lane of the first letter showing the key.
TEST_F(ShootingTest, KeyOfAFallingLetterFiresAShotUpItsLane)
{
    startWith("ABCKEFGHKJ");
    const std::size_t before = stage.spriteCount();
    game.onStageKey('K', 2); // modifiers are ignored
    ASSERT_EQ(stage.spriteCount(), before + 1);
    stage::SpriteView shot;
    stage.forEachSprite([&](const stage::SpriteView& s) {
        if (s.type == 0)
            shot = s;
    });
    EXPECT_EQ(shot.x, 42 * 4 + 5); // the K of lane 4 was launched before the one of lane 9
    EXPECT_EQ(shot.y, host.outerHeight);
    EXPECT_TRUE(shot.visible);
    EXPECT_TRUE(shot.advancing);
    EXPECT_EQ(sounds.countOf(assets.shotSound), 1);
    EXPECT_FALSE(listed(shot.id));

    stepTo(10);
    EXPECT_EQ(stage.sprite(shot.id).y, 512 - 20);
    EXPECT_EQ(stage.sprite(shot.id).x, 42 * 4 + 5);
}

// Only the digit and letter key codes shoot, and only at a letter that is falling; nothing else
// makes a sprite or a sound.
TEST_F(ShootingTest, KeysWithoutAFallingLetterAreIgnoredSilently)
{
    startWith("ABCDEFGH09");
    const std::size_t before = stage.spriteCount();
    const int ignored[] = {47, 58, 64, 91, 'a', 'k', 32, 13, 189, 190, 191, 112, -1, 0x10000 + 'A', 'Q', '5'};
    for (int key : ignored)
        game.onStageKey(key, 0);
    EXPECT_EQ(stage.spriteCount(), before);
    EXPECT_TRUE(sounds.played.empty());
    game.onStageKey('0', 0);
    game.onStageKey('A', 0);
    EXPECT_EQ(stage.spriteCount(), before + 2);
}

// A shot meets whatever listed letter lies lowest in its lane, even one showing another character.
TEST_F(ShootingTest, ShotHitsTheLowerLetterOfItsLaneWhateverItShows)
{
    startWith("ABCDEFGHIJ");
    stepTo(1000); // the first wave is 20 px down
    startWith("KLMNOPQRST");
    const stage::SpriteId lowerA = idShowing('A');
    const stage::SpriteId upperK = idShowing('K');
    game.onStageKey('K', 0);
    ASSERT_TRUE(stepUntil([&] { return !listed(lowerA) || !listed(upperK); }, 1000));
    EXPECT_FALSE(listed(lowerA));
    EXPECT_TRUE(listed(upperK));
    EXPECT_EQ(game.state().hitCount, 1);
}

// After a miss the shot leaves the stage at the top and is removed.
TEST_F(ShootingTest, ShotThatMeetsNothingLeavesAtTheTop)
{
    startWith("ABCDEFGHIJ");
    const stage::SpriteId a = idShowing('A');
    stage.destroySprite(a); // the lane is empty now, though A is still listed
    game.onStageKey('A', 0);
    ASSERT_TRUE(stepUntil([&] { return shotsOnStage() == 0; }, 1000));
    EXPECT_EQ(game.state().hitCount, 0);
    EXPECT_EQ(letters.size(), 10u);
}

} // namespace
} // namespace gametest
