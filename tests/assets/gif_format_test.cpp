#include "assets/assets.h"
#include "tests/assets/byte_reader.h"
#include "tests/assets/decoded_gif.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using assettest::Bytes;
using assettest::DecodedGif;

using Rect = std::array<int, 4>;

Rect rectOf(const GifImageDesc& d) { return {d.Left, d.Top, d.Width, d.Height}; }

bool isColour(const GifColorType& c, int r, int g, int b) { return c.Red == r && c.Green == g && c.Blue == b; }

// Header, logical screen and the flags byte: a global table of 2^(7+1) = 256 colours.
void expectScreen(Bytes gif, int width, int height, int background)
{
    EXPECT_EQ(assettest::text(gif, 0, 6), "GIF89a");
    EXPECT_EQ(assettest::u16(gif, 6), width);
    EXPECT_EQ(assettest::u16(gif, 8), height);
    EXPECT_EQ(gif[10] & 0x87, 0x87) << "global colour table of 256 entries";
    EXPECT_EQ(gif[11], background);
}

TEST(ShotPicture, IsAOneFrameGif89aOfNineByThirtyOnePixels)
{
    const Bytes gif = assets::shotPicture();
    EXPECT_EQ(gif.size(), 934u);
    expectScreen(gif, 9, 31, 0);
    const DecodedGif decoded(gif);
    ASSERT_TRUE(decoded.ok());
    ASSERT_EQ(decoded.file().ImageCount, 1);
    EXPECT_EQ(rectOf(decoded.image(0).ImageDesc), (Rect {0, 0, 9, 31}));
}

// Without a transparent index the stage's top-left rule alone makes the white ground vanish.
TEST(ShotPicture, HasNoGraphicControlAndAWhiteTopLeftPixel)
{
    const DecodedGif decoded(assets::shotPicture());
    ASSERT_TRUE(decoded.ok());
    GraphicsControlBlock block {};
    EXPECT_FALSE(decoded.control(0, block));
    const int topLeft = decoded.image(0).RasterBits[0];
    EXPECT_TRUE(isColour(decoded.file().SColorMap->Colors[topLeft], 255, 255, 255));
}

TEST(ShotPicture, DrawsAMissileOverMostOfItsHeight)
{
    const DecodedGif decoded(assets::shotPicture());
    ASSERT_TRUE(decoded.ok());
    const int white = decoded.image(0).RasterBits[0];
    int rowsWithMissile = 0;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 9; ++x)
            if (decoded.image(0).RasterBits[y * 9 + x] != white) {
                ++rowsWithMissile;
                break;
            }
    EXPECT_GE(rowsWithMissile, 28);
}

TEST(HitPicture, IsA62By64Gif89aThatLoopsForever)
{
    const Bytes gif = assets::hitPicture();
    EXPECT_EQ(gif.size(), 10623u);
    expectScreen(gif, 62, 64, 16);
    // Right after the colour table: the NETSCAPE2.0 block with loop count 0.
    const std::size_t at = 13 + 256 * 3;
    EXPECT_EQ(gif[at], 0x21);
    EXPECT_EQ(gif[at + 1], 0xFF);
    EXPECT_EQ(gif[at + 2], 11);
    EXPECT_EQ(assettest::text(gif, at + 3, 11), "NETSCAPE2.0");
    EXPECT_EQ(gif[at + 14], 3) << "sub-block of three bytes";
    EXPECT_EQ(gif[at + 15], 1) << "loop sub-block";
    EXPECT_EQ(assettest::u16(gif, at + 16), 0);
    EXPECT_EQ(gif[at + 18], 0);
}

TEST(HitPicture, HasEightFramesInTheirRectanglesEachLeftInPlaceWithIndexSixteenClear)
{
    constexpr std::array<Rect, 8> rects = {{{0, 0, 62, 64}, {14, 14, 36, 35}, {9, 8, 44, 46}, {4, 6, 52, 50},
        {4, 1, 54, 61}, {2, 1, 59, 61}, {0, 1, 61, 62}, {0, 0, 62, 63}}};
    const DecodedGif decoded(assets::hitPicture());
    ASSERT_TRUE(decoded.ok());
    ASSERT_EQ(decoded.file().ImageCount, 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rectOf(decoded.image(i).ImageDesc), rects[i]);
        EXPECT_EQ(decoded.image(i).ImageDesc.ColorMap, nullptr) << "frames use the global table";
        GraphicsControlBlock block {};
        ASSERT_TRUE(decoded.control(i, block));
        EXPECT_EQ(block.DelayTime, 0);
        EXPECT_EQ(block.TransparentColor, 16);
        EXPECT_EQ(block.DisposalMode, DISPOSE_DO_NOT);
    }
}

// The stage removes the colour of the top-left pixel: that must be the green ground and nothing
// of the blast itself.
TEST(HitPicture, PaintsGreenIndexSeventyAroundTheBlastAndNowhereElse)
{
    const DecodedGif decoded(assets::hitPicture());
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.image(0).RasterBits[0], 70);
    const ColorMapObject& table = *decoded.file().SColorMap;
    EXPECT_TRUE(isColour(table.Colors[70], 0, 255, 0));
    for (int i = 0; i < 256; ++i) {
        const bool reserved = i == 16 || i == 70;
        EXPECT_TRUE(reserved || !isColour(table.Colors[i], 0, 255, 0)) << "index " << i;
    }
}

// Counts the pixels that show after each frame: the blast swells, then thins away.
TEST(HitPicture, GrowsAndThenFades)
{
    const DecodedGif decoded(assets::hitPicture());
    ASSERT_TRUE(decoded.ok());
    std::array<int, 8> shown {};
    for (int frame = 0; frame < 8; ++frame)
        for (int index : decoded.composed(frame))
            shown[frame] += index != 70 && index != -1;
    EXPECT_GT(shown[0], 20);
    EXPECT_LT(shown[0], shown[1]);
    EXPECT_LT(shown[1], shown[3]);
    EXPECT_LT(shown[7], shown[4] / 4);
    EXPECT_GT(shown[7], 0);
}

} // namespace
