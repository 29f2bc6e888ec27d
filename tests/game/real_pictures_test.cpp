#include "assets/assets.h"
#include "game_fixture.h"

namespace gametest {
namespace {

using game::Readout;

// The program's own shot and explosion pictures: the shot meets the letter's ink, and the explosion
// lands 28 px left of and 40 px above where the shot stood before the step that hit.
class RealPicturesTest : public GameFixture {
protected:
    RealPicturesTest()
    {
        assets.shotTemplate.picture = assets::shotPicture();
        assets.hitPicture = assets::hitPicture();
    }
};

TEST_F(RealPicturesTest, ShotWithTheRealPicturesExplodesItsLetter)
{
    startWith("ABCDEFGHIJ");
    const stage::SpriteId target = idShowing('F');
    game.onStageKey('F', 0);
    stage::SpriteId shot = 0;
    stage.forEachSprite([&](const stage::SpriteView& s) { shot = s.type == 0 ? s.id : shot; });
    ASSERT_NE(shot, 0);

    int shotYBefore = stage.sprite(shot).y;
    while (listed(target) && clock.nowMs < 1000) {
        shotYBefore = stage.sprite(shot).y;
        stepBy(kTickMs);
    }
    ASSERT_FALSE(listed(target));
    const stage::SpriteView explosion = stage.sprite(target);
    EXPECT_EQ(explosion.x, 42 * 6 + 5 - 28);
    EXPECT_EQ(explosion.y, shotYBefore - 40);
    ASSERT_NE(explosion.image, nullptr);
    EXPECT_EQ(explosion.image->width, 62);
    EXPECT_EQ(explosion.image->height, 64);
    EXPECT_FALSE(explosion.image->isOpaque(0, 0)); // the green ground is gone
    EXPECT_EQ(host.caption(Readout::Accuracy), "10%");

    // Eight frames of 50 ms, then the explosion is removed.
    stepBy(400 + kTickMs);
    EXPECT_FALSE(stage.contains(target));
}

} // namespace
} // namespace gametest
