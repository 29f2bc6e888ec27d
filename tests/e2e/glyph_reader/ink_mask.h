#pragma once

#include <cstdint>
#include <vector>

namespace glyph_reader {

// A rectangle of on/off pixels: a glyph's ink or a red blob found on the screen.
struct InkMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink; // ink[y * width + x] is 1 where the pixel is inked

    [[nodiscard]] bool at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height && ink[static_cast<std::size_t>(y) * width + x] != 0;
    }
    [[nodiscard]] int count() const;
};

// The smallest part of a mask that holds all of its ink (empty when there is none).
[[nodiscard]] InkMask cropToInk(const InkMask& mask);

} // namespace glyph_reader
