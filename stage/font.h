#pragma once

#include <string>

namespace stage {

// A font as templates and sprites request it. A sprite without a font uses the default GUI font.
struct Font {
    std::string face;
    int pixelHeight = 0; // character height in pixels
    int weight = 400;
    int charset = 0; // 0 ANSI, 134 GB2312: kept for the record, the rasteriser may ignore it
};

} // namespace stage
