// GIF pictures: frames composed on a transparent canvas, delays, and the transparency rules of a sprite picture.
#include "stage/gif_decoder.h"

#include "stage_fixture.h"

namespace stagetest {
namespace {

// A 4 x 4 picture in three images:
// 1. the whole canvas red, white at (0, 0), the transparent index at (3, 3); delay 0; left in place;
// 2. the 2 x 2 square at (1, 1) green, with a transparent pixel at (2, 1); delay 7; disposal as given;
// 3. one blue pixel at (3, 0); delay 1.
std::vector<unsigned char> threeImages(int secondDisposal)
{
    std::vector<std::uint8_t> first(16, 1);
    first[0] = 0;
    first[15] = 3;
    return buildGif(4, 4,
        {{0, 0, 4, 4, first, 3, DISPOSE_DO_NOT, 0}, {1, 1, 2, 2, {2, 3, 2, 2}, 3, secondDisposal, 7},
            {3, 0, 1, 1, {3}, NO_TRANSPARENT_COLOR, DISPOSE_DO_NOT, 1}});
}

TEST(GifDecoder, ImagesComposeOnATransparentCanvasHonouringTheTransparentIndex)
{
    const auto bytes = threeImages(DISPOSE_DO_NOT);
    const auto frames = stage::decodeGif(bytes);
    ASSERT_EQ(frames.size(), 3u);
    const stage::Image& first = frames[0].image;
    ASSERT_EQ(first.width, 4);
    ASSERT_EQ(first.height, 4);
    EXPECT_EQ(first.pixel(0, 0), kWhite);
    EXPECT_EQ(first.pixel(1, 1), kRed);
    EXPECT_FALSE(first.isOpaque(3, 3));
    const stage::Image& second = frames[1].image;
    EXPECT_EQ(second.pixel(1, 1), kGreen);
    EXPECT_EQ(second.pixel(2, 1), kRed); // transparent index: the first image shows through
    EXPECT_EQ(second.pixel(2, 2), kGreen);
    EXPECT_EQ(second.pixel(0, 0), kWhite);
    EXPECT_FALSE(second.isOpaque(3, 3));
    EXPECT_EQ(frames[2].image.pixel(3, 0), kBlue);
}

TEST(GifDecoder, DelayIsInHundredthsAndZeroShowsFiftyMilliseconds)
{
    const auto frames = stage::decodeGif(threeImages(DISPOSE_DO_NOT));
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].delayMs, 50);
    EXPECT_EQ(frames[1].delayMs, 70);
    EXPECT_EQ(frames[2].delayMs, 10);
}

struct DisposalCase {
    int disposal;
    std::uint32_t afterwards; // what the second image's square shows in the third frame
};

class GifDisposal : public ::testing::TestWithParam<DisposalCase> { };

TEST_P(GifDisposal, DisposalDecidesWhatTheNextFrameStartsFrom)
{
    const auto frames = stage::decodeGif(threeImages(GetParam().disposal));
    ASSERT_EQ(frames.size(), 3u);
    const stage::Image& third = frames[2].image;
    EXPECT_EQ(third.pixel(1, 1), GetParam().afterwards);
    EXPECT_EQ(third.pixel(2, 2), GetParam().afterwards);
    EXPECT_EQ(third.pixel(0, 0), kWhite);
    EXPECT_EQ(third.pixel(3, 0), kBlue);
}

INSTANTIATE_TEST_SUITE_P(Methods, GifDisposal,
    ::testing::Values(DisposalCase {DISPOSE_DO_NOT, kGreen}, DisposalCase {DISPOSE_BACKGROUND, 0u},
        DisposalCase {DISPOSE_PREVIOUS, kRed}));

TEST(GifDecoder, DamagedFilesGiveNoFrames)
{
    const auto good = threeImages(DISPOSE_DO_NOT);
    const std::vector<unsigned char> garbage = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0x13};
    EXPECT_TRUE(stage::decodeGif(garbage).empty());
    EXPECT_TRUE(stage::decodeGif({}).empty());
    for (std::size_t length = 0; length < good.size(); length += 7)
        (void)stage::decodeGif(std::span(good).first(length)); // must neither crash nor read past the end
}

class PictureTransparency : public StageTest {
protected:
    std::uint32_t pixelAt(SpriteId id, int x, int y) { return stage.sprite(id).image->pixel(x, y); }
};

TEST_F(PictureTransparency, NoTransparencyKeepsOnlyThePicturesOwn)
{
    const SpriteId id = block(1, 1, 0, 0);
    stage.setSpritePicture(id, keep(threeImages(DISPOSE_DO_NOT)), stage::kNoTransparency);
    EXPECT_EQ(pixelAt(id, 0, 0), kWhite);
    EXPECT_EQ(pixelAt(id, 3, 3), 0u);
}

// The top-left colour of the first frame is transparent in every frame, also with AutoGetTransColor.
TEST_F(PictureTransparency, TopLeftColourIsTransparentInEveryFrame)
{
    std::vector<std::uint8_t> first(4, 0), second(4, 1);
    second[3] = 0;
    const auto bytes = keep(buildGif(2, 2, {{0, 0, 2, 2, first}, {0, 0, 2, 2, second}}));
    const SpriteId set = block(1, 1, 0, 0);
    stage.setSpritePicture(set, bytes, stage::kTopLeftTransparent);
    stage::SpriteTemplate tmpl;
    tmpl.picture = bytes;
    tmpl.autoGetTransColor = true;
    const SpriteId automatic = stage.createSprite(tmpl, 0, 0, true);
    for (SpriteId id : {set, automatic}) {
        EXPECT_EQ(pixelAt(id, 0, 0), 0u);
        stage.playAnimation(id, 1, false);
    }
    tickAt(50);
    for (SpriteId id : {set, automatic}) {
        EXPECT_EQ(pixelAt(id, 0, 0), kRed);
        EXPECT_EQ(pixelAt(id, 1, 1), 0u);
    }
}

TEST_F(PictureTransparency, GivenColourIsTransparent)
{
    const SpriteId id = block(1, 1, 0, 0);
    stage.setSpritePicture(id, keep(threeImages(DISPOSE_DO_NOT)), stage::rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(id, 0, 0), kWhite);
    EXPECT_EQ(pixelAt(id, 1, 1), 0u);
    // Only opaque pixels collide: the red area is now empty.
    const SpriteId other = block(1, 1, 300, 300, 1);
    stage.moveSprite(other, 1, 1, true);
    EXPECT_TRUE(events.log.empty());
    stage.moveSprite(other, 0, 0, true);
    EXPECT_EQ(events.log.size(), 1u);
}

TEST_F(PictureTransparency, UnreadablePictureShowsNothing)
{
    const SpriteId id = block(3, 3, 10, 10);
    static const unsigned char junk[] = {1, 2, 3, 4};
    stage.setSpritePicture(id, junk, stage::kTopLeftTransparent);
    EXPECT_TRUE(stage.sprite(id).image->isEmpty());
    stage.moveSprite(id, 20, 20, true);
    EXPECT_EQ(events.log, std::vector<std::string> {"out 1"});
}

} // namespace
} // namespace stagetest
