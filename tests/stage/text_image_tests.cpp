// Sprite texts: line splitting, the image's size, and ink in the exact text colour on a transparent ground.
#include "stage/text_image.h"

#include "stage_fixture.h"

namespace stagetest {
namespace {

// Block glyphs are 24 x 34 with ink at x 2..21, y 6..29 of each cell.
struct SizeCase {
    const char* text;
    int width, height;
};

TEST(TextImage, SizeIsTheWidestLineByTheLineHeightsPlusTwoBetweenLines)
{
    fakes::BlockTextRasterizer glyphs;
    const SizeCase cases[] = {
        {"A", 24, 34},
        {"AB", 48, 34},
        {"A\nBC", 48, 70},
        {"A\r\nB", 24, 70},
        {"A\n", 24, 34},
        {"A\n\nB", 24, 106},
        {"", 0, 0},
        {"A\r", 48, 34},
    };
    for (const SizeCase& c : cases) {
        const stage::Image image = stage::renderTextImage(c.text, std::nullopt, 0, glyphs);
        EXPECT_EQ(image.width, c.width) << '"' << c.text << '"';
        EXPECT_EQ(image.height, c.height) << '"' << c.text << '"';
    }
}

TEST(TextImage, InkTakesTheExactTextColourOnATransparentGround)
{
    fakes::BlockTextRasterizer glyphs;
    for (stage::Color colour : {stage::rgb(255, 0, 0), stage::rgb(255, 255, 255), stage::rgb(0, 0, 0)}) {
        const stage::Image image = stage::renderTextImage("A\nB", std::nullopt, colour, glyphs);
        const std::uint32_t ink = 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
        EXPECT_EQ(image.pixel(2, 6), ink);
        EXPECT_EQ(image.pixel(21, 29), ink);
        EXPECT_EQ(image.pixel(2, 36 + 6), ink); // second line starts 34 + 2 lower
        EXPECT_EQ(image.pixel(0, 0), 0u);
        EXPECT_EQ(image.pixel(22, 6), 0u);
        EXPECT_EQ(image.pixel(5, 34), 0u); // the gap between the lines
    }
}

TEST(TextImage, CarriageReturnIsDroppedOnlyBeforeALineFeed)
{
    const std::vector<std::string_view> expected = {"a", "", "b\r"};
    EXPECT_EQ(stage::splitTextLines("a\r\n\nb\r"), expected);
}

TEST_F(StageTest, TextSpriteShowsItsTextEvenWithAPicture)
{
    auto tmpl = blockTemplate(5, 5);
    tmpl.text = "AB";
    tmpl.textColor = 255;
    const SpriteId id = stage.createSprite(tmpl, 0, 0, true);
    EXPECT_EQ(stage.sprite(id).image->width, 48);
    stage.setSpriteText(id, "", stage::kDefaultColor);
    EXPECT_EQ(stage.sprite(id).image->width, 5); // no text: the picture shows
    stage.setSpriteText(id, "K", stage::kDefaultColor);
    EXPECT_EQ(stage.sprite(id).image->pixel(2, 6), 0xFFFF0000u); // the colour stays
}

// Only inked pixels collide: the ground of a text, and the glyph's margins, let others pass.
TEST_F(StageTest, TextGroundIsTransparentForCollisions)
{
    stage::SpriteTemplate letter;
    letter.text = "A";
    letter.type = 1;
    stage.createSprite(letter, 100, 100, true);
    const SpriteId shot = block(2, 2, 300, 300);
    stage.moveSprite(shot, 100, 100, true);
    EXPECT_TRUE(events.log.empty());
    stage.moveSprite(shot, 101, 104, true); // covers (102, 105): still above the ink
    EXPECT_TRUE(events.log.empty());
    stage.moveSprite(shot, 101, 105, true); // covers (102, 106): the ink's corner
    EXPECT_EQ(events.log.size(), 1u);
}

} // namespace
} // namespace stagetest
