#pragma once

#include <cstdint>
#include <vector>

#include <gif_lib.h>

namespace fakes {

// One image of a test GIF: colour indices row by row inside its rectangle.
struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indices;
    int transparentIndex = NO_TRANSPARENT_COLOR;
    int disposal = DISPOSAL_UNSPECIFIED;
    int delay = 0; // hundredths of a second
};

// Palette of the test GIFs: 0 white, 1 red, 2 green, 3 blue.
inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu, kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;

// Writes a GIF89a file with giflib's encoder: a 4-colour global palette and the given images.
std::vector<unsigned char> buildGif(int width, int height, const std::vector<GifImage>& images);

// A width x height picture filled with one palette index and no transparency.
std::vector<unsigned char> solidGif(int width, int height, std::uint8_t index = 1);

} // namespace fakes
