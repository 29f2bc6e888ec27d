#include "test_pictures.h"

#include <cstdint>

#include "fakes/gif_builder.h"

namespace gametest {

namespace {

// Palette indices of the shared test GIFs.
constexpr std::uint8_t kWhiteIndex = 0;
constexpr std::uint8_t kRedIndex = 1;
constexpr std::uint8_t kGreenIndex = 2;
constexpr std::uint8_t kBlueIndex = 3;

// One full-screen image whose pixel(x, y) gives each colour index.
template<typename PixelFn> fakes::GifImage fullImage(int width, int height, PixelFn pixel)
{
    fakes::GifImage image {0, 0, width, height, {}};
    image.indices.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.indices.push_back(pixel(x, y));
    return image;
}

} // namespace

std::vector<unsigned char> shotGif()
{
    return fakes::buildGif(
        9, 31, {fullImage(9, 31, [](int x, int y) { return x == 0 && y == 0 ? kWhiteIndex : kRedIndex; })});
}

std::vector<unsigned char> explosionGif(int frames)
{
    auto frame = fullImage(
        62, 64, [](int x, int y) { return x >= 10 && x <= 51 && y >= 10 && y <= 53 ? kBlueIndex : kGreenIndex; });
    frame.disposal = DISPOSE_DO_NOT;
    return fakes::buildGif(62, 64, std::vector<fakes::GifImage>(static_cast<std::size_t>(frames), frame));
}

} // namespace gametest
