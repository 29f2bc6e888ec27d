#include "tests/e2e/glyph_reader/ink_mask.h"

#include <algorithm>
#include <numeric>

namespace glyph_reader {

int InkMask::count() const { return std::accumulate(ink.begin(), ink.end(), 0); }

InkMask cropToInk(const InkMask& mask)
{
    int left = mask.width, top = mask.height, right = -1, bottom = -1;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (!mask.at(x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    InkMask out;
    if (right < 0)
        return out;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.ink.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.ink[static_cast<std::size_t>(y) * out.width + x] = mask.at(left + x, top + y) ? 1 : 0;
    return out;
}

} // namespace glyph_reader
