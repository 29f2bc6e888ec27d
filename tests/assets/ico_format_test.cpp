#include "assets/assets.h"
#include "tests/assets/byte_reader.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using assettest::Bytes;
using assettest::u16;
using assettest::u32;

constexpr std::size_t kImage = 22; // the image follows the header and its one entry
constexpr std::size_t kPixels = kImage + 40; // BGRA rows, bottom row first
constexpr std::size_t kMask = kPixels + 65536; // 1 bit a pixel, 16 bytes a row, bottom row first

TEST(ProgramIcon, HoldsOne128PixelImageOf32BitsIn67646Bytes)
{
    const Bytes ico = assets::programIcon();
    ASSERT_EQ(ico.size(), 67646u);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1) << "icon, not cursor";
    EXPECT_EQ(u16(ico, 4), 1) << "one image";
    // Directory entry: 128 (as 0) by 128, no palette, one plane, 32 bits, size and offset of the image.
    EXPECT_EQ(ico[6], 128);
    EXPECT_EQ(ico[7], 128);
    EXPECT_EQ(ico[8], 0);
    EXPECT_EQ(ico[9], 0);
    EXPECT_EQ(u16(ico, 10), 1);
    EXPECT_EQ(u16(ico, 12), 32);
    EXPECT_EQ(u32(ico, 14), 67624u);
    EXPECT_EQ(u32(ico, 18), kImage);
}

TEST(ProgramIcon, ImageHasABitmapHeaderCountingColourAndMaskRows)
{
    const Bytes ico = assets::programIcon();
    ASSERT_EQ(ico.size(), 67646u);
    EXPECT_EQ(u32(ico, kImage), 40u);
    EXPECT_EQ(u32(ico, kImage + 4), 128u);
    EXPECT_EQ(u32(ico, kImage + 8), 256u);
    EXPECT_EQ(u16(ico, kImage + 12), 1);
    EXPECT_EQ(u16(ico, kImage + 14), 32);
    EXPECT_EQ(u32(ico, kImage + 16), 0u) << "uncompressed";
}

// Shells that ignore alpha use the mask: it must mark exactly the clear pixels.
TEST(ProgramIcon, MaskMarksTheClearPixelsAndTheMiddleIsOpaque)
{
    const Bytes ico = assets::programIcon();
    ASSERT_EQ(ico.size(), 67646u);
    int clear = 0;
    for (int row = 0; row < 128; ++row)
        for (int x = 0; x < 128; ++x) {
            const unsigned alpha = ico[kPixels + (row * 128 + x) * 4 + 3];
            const bool masked = ico[kMask + row * 16 + x / 8] & (0x80 >> (x % 8));
            ASSERT_EQ(masked, alpha == 0) << "row " << row << " x " << x;
            clear += alpha == 0;
        }
    EXPECT_GT(clear, 0) << "the rounded corners are clear";
    EXPECT_EQ(ico[kPixels + (64 * 128 + 64) * 4 + 3], 255);
}

} // namespace
