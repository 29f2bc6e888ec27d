#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// A PNG file of an 8-bit RGBA picture given as rows top to bottom, compressed with zlib.
std::vector<std::uint8_t> pngFile(int width, int height, const std::vector<std::uint8_t>& rgba);

} // namespace assetgen
