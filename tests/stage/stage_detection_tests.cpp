// Detection after a step: leaving the area, the edge mask, and the choice and memory of collision partners.
#include "stage_fixture.h"

namespace stagetest {
namespace {

using stage::SpriteTemplate;

class DetectionTest : public StageTest {
protected:
    // A 20 x 20 picture whose opaque part is the 10 x 10 square from (5, 5); the rest is transparent.
    SpriteTemplate framedTemplate()
    {
        GifImage image {0, 0, 20, 20, std::vector<std::uint8_t>(400, 0), 0};
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                image.indices[y * 20 + x] = 1;
        SpriteTemplate tmpl;
        tmpl.picture = keep(buildGif(20, 20, {image}));
        return tmpl;
    }
};

struct EdgeCase {
    int x, y;
    const char* event; // "" for none
};

TEST_F(DetectionTest, EdgeMaskCountsOnlyOpaquePixels)
{
    // Opaque pixels lie at x + 5 .. x + 14 and y + 5 .. y + 14.
    const EdgeCase cases[] = {
        {-6, 100, "boundary 1 at 100,100 edges 1"},
        {100, -6, "boundary 1 at 100,100 edges 2"},
        {496, 100, "boundary 1 at 100,100 edges 4"},
        {100, 496, "boundary 1 at 100,100 edges 8"},
        {-6, -6, "boundary 1 at 100,100 edges 3"},
        {496, 496, "boundary 1 at 100,100 edges 12"},
        {-6, 496, "boundary 1 at 100,100 edges 9"},
        {-5, -5, ""},
        {495, 495, ""},
        {-15, 100, "out 1"},
        {100, 505, "out 1"},
        {-100000, -100000, "out 1"},
    };
    const SpriteId id = stage.createSprite(framedTemplate(), 100, 100, true);
    for (const EdgeCase& c : cases) {
        events.log.clear();
        stage.moveSprite(id, c.x, c.y, true);
        const std::vector<std::string> expected
            = *c.event ? std::vector<std::string> {c.event} : std::vector<std::string> {};
        EXPECT_EQ(events.log, expected) << "at " << c.x << "," << c.y;
        stage.moveSprite(id, 100, 100, false);
    }
}

// Beyond the left edge only rows inside the area's height count, beyond the top only columns inside its width:
// a pixel beyond the corner on both sides counts for neither.
TEST_F(DetectionTest, PixelsBeyondACornerCountForNoEdge)
{
    GifImage image {0, 0, 15, 15, std::vector<std::uint8_t>(225, 0), 0};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            image.indices[y * 15 + x] = 1;
            image.indices[(y + 10) * 15 + x + 10] = 1;
        }
    SpriteTemplate tmpl;
    tmpl.picture = keep(buildGif(15, 15, {image}));
    const SpriteId id = stage.createSprite(tmpl, 100, 100, true);
    stage.moveSprite(id, -7, -7, true);
    EXPECT_TRUE(events.log.empty()) << events.log.front();
}

TEST_F(DetectionTest, DetectionRunsOnlyWhenTheWholePixelPositionChanges)
{
    const SpriteId id = stage.createSprite(framedTemplate(), -6.2, 100, true);
    stage.moveSprite(id, -6.9, 100.7, true);
    EXPECT_TRUE(events.log.empty());
    stage.moveSprite(id, -7, 100, false);
    EXPECT_TRUE(events.log.empty());
}

TEST_F(DetectionTest, BoundaryHitRepeatsAtEveryStepOnTheEdge)
{
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 180;
    const SpriteId id = stage.createSprite(tmpl, 100, 495, true);
    stage.autoAdvance(id, 1, 10, 0, 0, false, 2, false);
    runUntil(30);
    const std::vector<std::string> expected
        = {"boundary 1 at 100,495 edges 8", "boundary 1 at 100,496 edges 8", "boundary 1 at 100,497 edges 8"};
    EXPECT_EQ(events.log, expected);
}

class PartnerTest : public StageTest {
protected:
    // A shot-like mover of type 0 that a move to (100, 100) puts over every 20 x 20 block at (105, 105).
    SpriteId moverAt(double x, double y, int layer = 0, bool collide = true)
    {
        auto tmpl = blockTemplate(20, 20, 0, layer);
        tmpl.collideAllowed = collide;
        tmpl.collidedSound = kBang;
        return stage.createSprite(tmpl, x, y, true);
    }
    SpriteId target(int type, int layer = 0, bool collide = true, bool visible = true)
    {
        auto tmpl = blockTemplate(20, 20, type, layer);
        tmpl.collideAllowed = collide;
        return stage.createSprite(tmpl, 105, 105, visible);
    }
    std::string collisionWith(SpriteId mover, SpriteId hit)
    {
        return "collision " + std::to_string(mover) + " at 300,300 hit " + std::to_string(hit);
    }
    static constexpr unsigned char kBangBytes[] = {9, 9};
    static constexpr stage::Sound kBang {kBangBytes};
};

TEST_F(PartnerTest, PartnerIsTheTopmostOverlappingSpriteOfAnotherType)
{
    const SpriteId mover = moverAt(300, 300);
    target(1);
    const SpriteId upper = target(1);
    target(0); // same type as the mover
    target(2, 0, false); // collisions not allowed
    target(3, 1); // a higher layer
    stage.moveSprite(mover, 100, 100, true);
    ASSERT_EQ(events.log.size(), 1u);
    EXPECT_EQ(events.log[0], collisionWith(mover, upper));
    EXPECT_EQ(sounds.countOf(kBang), 1);
}

TEST_F(PartnerTest, HiddenSpritesAreStillPartners)
{
    const SpriteId mover = moverAt(300, 300);
    target(1);
    const SpriteId hidden = target(1, 0, true, false);
    stage.moveSprite(mover, 100, 100, true);
    EXPECT_EQ(events.log, std::vector<std::string> {collisionWith(mover, hidden)});
}

TEST_F(PartnerTest, LowerLayerEndsTheSearch)
{
    const SpriteId mover = moverAt(300, 300, 1);
    target(1, 0);
    stage.moveSprite(mover, 100, 100, true);
    EXPECT_TRUE(events.log.empty());
}

TEST_F(PartnerTest, MoverWithoutCollisionsFindsNoPartner)
{
    const SpriteId mover = moverAt(300, 300, 0, false);
    target(1);
    stage.moveSprite(mover, 100, 100, true);
    EXPECT_TRUE(events.log.empty());
}

// Boxes that overlap only where one of them is transparent do not collide.
TEST_F(PartnerTest, OnlyOpaquePixelsCollide)
{
    GifImage image {0, 0, 20, 20, std::vector<std::uint8_t>(400, 0), 0};
    for (int x = 0; x < 20; ++x)
        image.indices[x] = 1; // only the top row is opaque
    SpriteTemplate tmpl;
    tmpl.picture = keep(buildGif(20, 20, {image}));
    tmpl.type = 1;
    stage.createSprite(tmpl, 105, 105, true);
    const SpriteId mover = moverAt(300, 300);
    stage.moveSprite(mover, 100, 86, true); // mover rows 86..105 reach the opaque row 105
    EXPECT_EQ(events.log.size(), 1u);
    events.log.clear();
    stage.moveSprite(mover, 100, 300, false);
    stage.moveSprite(mover, 100, 106, true); // only transparent rows below it
    EXPECT_TRUE(events.log.empty());
}

// The partner of the previous collision raises no second event; a detection without partner forgets it.
TEST_F(PartnerTest, RepeatedPartnerIsReportedOnceUntilAStepWithoutPartner)
{
    const SpriteId mover = moverAt(300, 300);
    const SpriteId hit = target(1);
    stage.moveSprite(mover, 100, 100, true);
    stage.moveSprite(mover, 101, 100, true);
    EXPECT_EQ(events.log.size(), 1u);
    stage.moveSprite(mover, 300, 300, true);
    stage.moveSprite(mover, 100, 100, true);
    const std::vector<std::string> expected = {collisionWith(mover, hit), collisionWith(mover, hit)};
    EXPECT_EQ(events.log, expected);
    EXPECT_EQ(sounds.countOf(kBang), 2);
}

// A step whose only partner is the remembered one raises nothing but still ends an advance that stops on collision.
TEST_F(PartnerTest, SuppressedCollisionStillStopsTheAdvance)
{
    auto tmpl = blockTemplate(20, 20, 0);
    tmpl.angle = 90;
    const SpriteId mover = stage.createSprite(tmpl, 95, 105, true);
    target(1);
    stage.autoAdvance(mover, 1, 10, 0, 0, false, 0, false);
    tickAt(10);
    EXPECT_EQ(events.log.size(), 1u);
    stage.autoAdvance(mover, 1, 10, 0, 0, true, 0, false);
    tickAt(20);
    const std::vector<std::string> expected = {"collision 1 at 95,105 hit 2", "stopped 1"};
    EXPECT_EQ(events.log, expected);
    EXPECT_EQ(xOf(mover), 97);
}

TEST_F(PartnerTest, EdgeEventComesBeforeTheCollisionOfTheSameStep)
{
    auto tmpl = blockTemplate(20, 20, 1);
    const SpriteId letter = stage.createSprite(tmpl, 100, -10, true);
    auto shot = blockTemplate(10, 30, 0);
    shot.angle = 0;
    const SpriteId id = stage.createSprite(shot, 105, 5, true);
    stage.autoAdvance(id, 10, 10, 0, 0, true, 2, true);
    tickAt(10);
    const std::vector<std::string> expected = {"boundary 2 at 105,5 edges 2",
        "collision 2 at 105,5 hit " + std::to_string(letter), "stopped 2", "destroyed 2"};
    EXPECT_EQ(events.log, expected);
}

// Many sprites spread over the grid: the partner found is the same as a scan of every sprite would give.
TEST_F(PartnerTest, GridSearchMatchesAFullScan)
{
    std::vector<SpriteId> targets;
    for (int i = 0; i < 200; ++i)
        targets.push_back(
            stage.createSprite(blockTemplate(20, 20, 1 + i % 3), (i * 37) % 560 - 30, (i * 53) % 560 - 30, true));
    const SpriteId mover = moverAt(-500, -500);
    for (int x = -40; x < 560; x += 17) {
        for (int y = -40; y < 560; y += 23) {
            events.log.clear();
            stage.moveSprite(mover, -500, -500, true); // clears the remembered partner
            events.log.clear();
            stage.moveSprite(mover, x, y, true);
            SpriteId expected = 0;
            for (SpriteId t : targets) {
                const auto v = stage.sprite(t);
                if (v.x < x + 20 && x < v.x + 20 && v.y < y + 20 && y < v.y + 20)
                    expected = t; // later ids lie higher
            }
            std::string found;
            for (const auto& line : events.log)
                if (line.starts_with("collision"))
                    found = line;
            const std::string want = expected
                ? "collision " + std::to_string(mover) + " at -500,-500 hit " + std::to_string(expected)
                : "";
            ASSERT_EQ(found, want) << "at " << x << "," << y;
        }
    }
}

} // namespace
} // namespace stagetest
