// Sprites: ids, z-order, copies, removal with its sounds, lifetimes, animations, and handlers that change the
// stage in the middle of a tick.
#include "stage_fixture.h"

namespace stagetest {
namespace {

using stage::SpriteTemplate;

std::vector<SpriteId> zOrder(const stage::Stage& stage)
{
    std::vector<SpriteId> ids;
    stage.forEachSprite([&](const stage::SpriteView& v) { ids.push_back(v.id); });
    return ids;
}

TEST_F(StageTest, IdsCountUpFromOneAndAreNeverGivenTwice)
{
    EXPECT_EQ(block(5, 5, 0, 0), 1);
    EXPECT_EQ(block(5, 5, 0, 0), 2);
    stage.removeAllSprites();
    EXPECT_EQ(block(5, 5, 0, 0), 3);
    EXPECT_EQ(stage.copySprite(3, 1, 1, true), 4);
    EXPECT_EQ(stage.sprite(1).id, 0);
}

TEST_F(StageTest, SpritesStackByLayerWithTheNewestOnTopOfItsLayer)
{
    const SpriteId a = block(5, 5, 0, 0, 0, 1);
    const SpriteId b = block(5, 5, 0, 0, 0, 0);
    const SpriteId c = block(5, 5, 0, 0, 0, 1);
    const SpriteId d = block(5, 5, 0, 0, 0, -3);
    const SpriteId copyOfD = stage.copySprite(d, 0, 0, true);
    EXPECT_EQ(zOrder(stage), (std::vector<SpriteId> {d, copyOfD, b, a, c}));
}

TEST_F(StageTest, CopyOfAnUnknownSpriteIsMinusOne)
{
    const SpriteId id = block(5, 5, 0, 0);
    stage.destroySprite(id);
    EXPECT_EQ(stage.copySprite(id, 0, 0, true), -1);
    EXPECT_EQ(stage.copySprite(77, 0, 0, true), -1);
    EXPECT_EQ(stage.spriteCount(), 0u);
}

// The letter master pattern: a hidden text sprite copied, shown, and given a new text.
TEST_F(StageTest, CopyCarriesTextImageAndPropertiesButNotTheAdvance)
{
    SpriteTemplate letter;
    letter.text = "A";
    letter.textColor = stage::rgb(128, 128, 255);
    letter.type = 1;
    letter.angle = 180;
    const SpriteId master = stage.createSprite(letter, 0, 0, false);
    stage.autoAdvance(master, 10, 10, 0, 0, true, 1, false);
    const SpriteId copy = stage.copySprite(master, 42, 7.5, true);

    const stage::SpriteView view = stage.sprite(copy);
    EXPECT_EQ(*view.text, "A");
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.type, 1);
    EXPECT_EQ(view.x, 42);
    EXPECT_EQ(view.y, 7);
    EXPECT_FALSE(view.advancing);
    EXPECT_EQ(view.image->pixels, stage.sprite(master).image->pixels);

    stage.setSpriteText(copy, "K", 255);
    stage.autoAdvance(copy, 10, 10, 0, 0, true, 1, false);
    tickAt(10);
    EXPECT_EQ(yOf(copy), 17); // moves down: the angle came with the copy
    EXPECT_EQ(stage.sprite(copy).image->pixel(2, 6), 0xFFFF0000u);
    EXPECT_EQ(stage.sprite(master).image->pixel(2, 6), 0xFF8080FFu);
}

TEST_F(StageTest, CreatingPlaysTheCreateSoundAndDestroyingAnnouncesThenPlaysTheDestroySound)
{
    static const unsigned char hello[] = {1}, bye[] = {2};
    auto tmpl = blockTemplate(5, 5);
    tmpl.createSound = hello;
    tmpl.destroySound = bye;
    const SpriteId id = stage.createSprite(tmpl, 0, 0, true);
    EXPECT_EQ(sounds.countOf(hello), 1);
    events.onDestroyed = [&](SpriteId s) {
        EXPECT_TRUE(stage.contains(s));
        EXPECT_EQ(sounds.countOf(bye), 0);
    };
    stage.destroySprite(id);
    stage.destroySprite(id);
    EXPECT_FALSE(stage.contains(id));
    EXPECT_EQ(events.log, std::vector<std::string> {"destroyed 1"});
    EXPECT_EQ(sounds.countOf(bye), 1);
}

TEST_F(StageTest, RemoveAllSpritesGoesBottomFirstWithEachDestroySound)
{
    static const unsigned char soundA[] = {1}, soundB[] = {2};
    auto upper = blockTemplate(5, 5, 0, 1);
    upper.destroySound = soundA;
    auto lower = blockTemplate(5, 5, 0, 0);
    lower.destroySound = soundB;
    stage.createSprite(upper, 0, 0, true);
    stage.createSprite(lower, 0, 0, false);
    stage.createSprite(lower, 0, 0, true);
    block(5, 5, 0, 0, 0, 0); // no destroy sound
    stage.removeAllSprites();
    const std::vector<std::string> expected = {"destroyed 2", "destroyed 3", "destroyed 4", "destroyed 1"};
    EXPECT_EQ(events.log, expected);
    ASSERT_EQ(sounds.played.size(), 3u);
    EXPECT_EQ(sounds.played[0].data(), soundB);
    EXPECT_EQ(sounds.played[1].data(), soundB);
    EXPECT_EQ(sounds.played[2].data(), soundA);
    EXPECT_EQ(stage.spriteCount(), 0u);
}

TEST_F(StageTest, HandlerRemovingALaterSpriteDuringRemoveAllRemovesItOnce)
{
    block(5, 5, 0, 0);
    block(5, 5, 0, 0);
    block(5, 5, 0, 0);
    events.onDestroyed = [&](SpriteId id) {
        if (id == 1)
            stage.destroySprite(3);
    };
    stage.removeAllSprites();
    const std::vector<std::string> expected = {"destroyed 1", "destroyed 3", "destroyed 2"};
    EXPECT_EQ(events.log, expected);
    EXPECT_EQ(stage.spriteCount(), 0u);
}

// A handler destroys the mover and a sprite later in the tick's order and creates a new one: the removed
// sprites are skipped, the new one waits for the next tick, and the mover's stop rules are not applied.
TEST_F(StageTest, HandlerMayDestroyTheMoverAndLaterSpritesInTheMiddleOfATick)
{
    auto falling = blockTemplate(20, 20, 1);
    falling.angle = 180;
    const SpriteId lost = stage.createSprite(falling, 0, 485, true);
    const SpriteId middle = stage.createSprite(falling, 100, 0, true);
    const SpriteId later = stage.createSprite(falling, 200, 0, true);
    for (SpriteId id : {lost, middle, later})
        stage.autoAdvance(id, 10, 10, 0, 0, true, 1, true);
    SpriteId created = 0;
    events.onBoundary = [&](SpriteId id, int) {
        stage.destroySprite(id);
        stage.destroySprite(later);
        created = stage.createSprite(falling, 300, 0, true);
        stage.autoAdvance(created, 10, -1, 0, 0, true, 1, true);
    };
    tickAt(10);
    EXPECT_FALSE(stage.contains(lost));
    EXPECT_FALSE(stage.contains(later));
    EXPECT_EQ(yOf(middle), 10);
    EXPECT_EQ(yOf(created), 0);
    const std::vector<std::string> expected = {"boundary 1 at 0,485 edges 8", "destroyed 1", "destroyed 3"};
    EXPECT_EQ(events.log, expected);
    tickAt(20);
    EXPECT_EQ(yOf(created), 10);
}

// The game's hit: the collision handler turns the hit sprite into something else, moves it and launches a
// new sprite; the shot still stops and goes.
TEST_F(StageTest, CollisionHandlerMayRebuildThePartnerWhileTheMoverStops)
{
    const SpriteId letter = block(20, 20, 400, 100, 1);
    auto shotTemplate = blockTemplate(10, 30, 0);
    const SpriteId shot = stage.createSprite(shotTemplate, 405, 130, true);
    stage.autoAdvance(shot, 20, 10, 0, 0, true, 2, true);
    const auto explosion = keep(solidGif(62, 64, 2));
    events.onCollision = [&](SpriteId, SpriteId hit) {
        stage.setSpritePicture(hit, explosion, stage::kTopLeftTransparent);
        stage.moveSprite(hit, 0, 0, false);
        stage.playAnimation(hit, 1, true);
        stage.destroySprite(hit);
        block(20, 20, 400, 100, 1);
    };
    tickAt(10);
    EXPECT_FALSE(stage.contains(shot));
    EXPECT_FALSE(stage.contains(letter));
    const std::vector<std::string> expected
        = {"collision 2 at 405,130 hit 1", "destroyed 1", "stopped 2", "destroyed 2"};
    EXPECT_EQ(events.log, expected);
}

TEST_F(StageTest, LifetimeEndsTheSpriteWithItsDestroySound)
{
    static const unsigned char bye[] = {3};
    auto tmpl = blockTemplate(5, 5);
    tmpl.existTime = 100;
    tmpl.destroySound = bye;
    clock.nowMs = 50;
    const SpriteId id = stage.createSprite(tmpl, 0, 0, false);
    tickAt(145);
    EXPECT_TRUE(stage.contains(id));
    tickAt(150);
    EXPECT_FALSE(stage.contains(id));
    EXPECT_EQ(sounds.countOf(bye), 1);
}

TEST_F(StageTest, RevisionGrowsWhenSomethingDrawnChanges)
{
    const SpriteId id = block(5, 5, 10.2, 10);
    auto revision = stage.revision();
    stage.moveSprite(id, 10.8, 10.5, false);
    tickAt(5);
    EXPECT_EQ(stage.revision(), revision);
    stage.moveSprite(id, 11, 10, false);
    EXPECT_GT(stage.revision(), revision);
    revision = stage.revision();
    stage.setSpriteText(id, "Q", 0);
    EXPECT_GT(stage.revision(), revision);
    revision = stage.revision();
    stage.destroySprite(id);
    EXPECT_GT(stage.revision(), revision);
}

class AnimationTest : public StageTest {
protected:
    // Three solid 2 x 2 frames, red for 20 ms, green for 30 ms, blue for 50 ms (delay 0).
    std::span<const unsigned char> threeFrames()
    {
        std::vector<GifImage> images;
        const std::pair<std::uint8_t, int> frames[] = {{1, 2}, {2, 3}, {3, 0}};
        for (auto [index, delay] : frames)
            images.push_back(
                {0, 0, 2, 2, std::vector<std::uint8_t>(4, index), NO_TRANSPARENT_COLOR, DISPOSAL_UNSPECIFIED, delay});
        return keep(buildGif(2, 2, images));
    }
    std::uint32_t colourOf(SpriteId id) { return stage.sprite(id).image->pixel(0, 0); }
};

TEST_F(AnimationTest, PlayShowsEachFrameForItsDelayThenFinishesAndRemoves)
{
    const SpriteId id = block(2, 2, 0, 0);
    stage.setSpritePicture(id, threeFrames(), stage::kNoTransparency);
    stage.playAnimation(id, 1, true);
    const std::pair<int, std::uint32_t> shown[] = {{15, kRed}, {20, kGreen}, {45, kGreen}, {50, kBlue}, {95, kBlue}};
    for (auto [ms, colour] : shown) {
        tickAt(ms);
        EXPECT_EQ(colourOf(id), colour) << "at " << ms;
    }
    EXPECT_TRUE(events.log.empty());
    tickAt(100);
    EXPECT_FALSE(stage.contains(id));
    const std::vector<std::string> expected = {"finished 1", "destroyed 1"};
    EXPECT_EQ(events.log, expected);
}

TEST_F(AnimationTest, SecondPlayStartsAgainFromTheFrameTheAnimationStartedAt)
{
    const SpriteId id = block(2, 2, 0, 0);
    stage.setSpritePicture(id, threeFrames(), stage::kNoTransparency);
    stage.playAnimation(id, 1, false);
    tickAt(20); // now on the green frame
    stage.playAnimation(id, 2, false);
    const std::pair<int, std::uint32_t> shown[] = {{50, kBlue}, {100, kGreen}, {130, kBlue}};
    for (auto [ms, colour] : shown) {
        tickAt(ms);
        EXPECT_EQ(colourOf(id), colour) << "at " << ms;
    }
    tickAt(179);
    EXPECT_TRUE(events.log.empty());
    tickAt(180);
    EXPECT_EQ(events.log, std::vector<std::string> {"finished 1"});
    EXPECT_EQ(colourOf(id), kBlue);
    EXPECT_TRUE(stage.contains(id));
}

TEST_F(AnimationTest, HiddenSpriteAnimationWaits)
{
    auto tmpl = blockTemplate(2, 2);
    tmpl.picture = threeFrames();
    const SpriteId id = stage.createSprite(tmpl, 0, 0, false);
    stage.playAnimation(id, 1, true);
    runUntil(300);
    EXPECT_TRUE(stage.contains(id));
    EXPECT_EQ(colourOf(id), kRed);
}

TEST_F(AnimationTest, SelfPlayingPictureLoopsAtItsOwnPace)
{
    auto tmpl = blockTemplate(2, 2);
    tmpl.picture = threeFrames();
    tmpl.playGif = true;
    tmpl.gifDelay = 10;
    const SpriteId id = stage.createSprite(tmpl, 0, 0, true);
    const std::pair<int, std::uint32_t> shown[] = {{10, kGreen}, {20, kBlue}, {30, kRed}, {40, kGreen}};
    for (auto [ms, colour] : shown) {
        tickAt(ms);
        EXPECT_EQ(colourOf(id), colour) << "at " << ms;
    }
    runUntil(1000);
    EXPECT_TRUE(stage.contains(id));
    EXPECT_TRUE(events.log.empty());
}

TEST_F(AnimationTest, NewPictureEndsTheAnimationInProgress)
{
    const SpriteId id = block(2, 2, 0, 0);
    stage.setSpritePicture(id, threeFrames(), stage::kNoTransparency);
    stage.playAnimation(id, 1, true);
    tickAt(20);
    stage.setSpritePicture(id, threeFrames(), stage::kNoTransparency);
    EXPECT_EQ(colourOf(id), kRed);
    runUntil(500);
    EXPECT_TRUE(stage.contains(id));
    EXPECT_EQ(colourOf(id), kRed);
}

} // namespace
} // namespace stagetest
