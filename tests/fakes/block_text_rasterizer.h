#pragma once

#include <string_view>

#include "stage/text_rasterizer.h"

namespace fakes {

// Draws every character as a solid block inside a fixed cell, so tests know each glyph's pixels.
// With the default cell a character is 24 x 34 with ink at x 2..21 and y 6..29.
class BlockTextRasterizer : public stage::TextRasterizer {
public:
    int cellWidth = 24;
    int cellHeight = 34;
    int inkLeft = 2, inkRight = 22, inkTop = 6, inkBottom = 30; // half-open

    stage::InkLine drawLine(std::string_view line, const std::optional<stage::Font>&) override
    {
        stage::InkLine out;
        out.width = cellWidth * static_cast<int>(line.size());
        out.height = cellHeight;
        out.ink.assign(static_cast<std::size_t>(out.width) * out.height, 0);
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (line[c] == ' ')
                continue;
            for (int y = inkTop; y < inkBottom; ++y)
                for (int x = inkLeft; x < inkRight; ++x)
                    out.ink[static_cast<std::size_t>(y) * out.width + c * cellWidth + x] = 1;
        }
        return out;
    }
};

} // namespace fakes
