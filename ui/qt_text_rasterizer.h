#pragma once

#include "stage/text_rasterizer.h"

namespace ui {

// Draws sprite texts with Qt: one line at a time with QPainter on an image, without antialiasing, so every
// glyph pixel is either drawn or not. Needs a QGuiApplication.
class QtTextRasterizer : public stage::TextRasterizer {
public:
    stage::InkLine drawLine(std::string_view line, const std::optional<stage::Font>& font) override;
};

} // namespace ui
