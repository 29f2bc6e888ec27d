#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stage/color.h"
#include "stage/font.h"
#include "stage/image.h"
#include "stage/text_rasterizer.h"

namespace stage {

// The lines of a sprite text: split at each line feed, a carriage return just before a line feed dropped,
// and a line feed at the very end adding no line.
[[nodiscard]] std::vector<std::string_view> splitTextLines(std::string_view text);

// Renders a sprite text: as wide as the widest line, as high as the line heights plus 2 pixels between
// lines, every inked pixel exactly in the text colour and the ground transparent.
[[nodiscard]] Image renderTextImage(
    std::string_view text, const std::optional<Font>& font, Color color, TextRasterizer& rasterizer);

} // namespace stage
