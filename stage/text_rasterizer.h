#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "stage/font.h"

namespace stage {

// One line of text drawn without antialiasing: ink[y * width + x] is non-zero where the text draws.
// width is the line's measured advance, height the font's line height.
struct InkLine {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;
};

// Draws text for the stage. The engine composes lines into sprite images; the drawing itself is the
// view layer's business, so the engine stays free of any window toolkit.
class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;
    // line is UTF-8 without line breaks; no font means the default GUI font.
    virtual InkLine drawLine(std::string_view line, const std::optional<Font>& font) = 0;
};

} // namespace stage
