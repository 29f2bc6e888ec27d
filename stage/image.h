#pragma once

#include <cstdint>
#include <vector>

namespace stage {

// A picture as the stage holds it: 0xAARRGGBB pixels, row by row, alpha either 0 or 255.
// The layout matches QImage::Format_ARGB32 so a view can show it without converting.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    [[nodiscard]] bool isEmpty() const { return width <= 0 || height <= 0; }
    [[nodiscard]] std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    [[nodiscard]] bool isOpaque(int x, int y) const { return (pixel(x, y) >> 24) != 0; }
};

} // namespace stage
