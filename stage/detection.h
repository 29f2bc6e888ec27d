#pragma once

#include <cstdint>

#include "stage/opacity_mask.h"

namespace stage {

// Edge bits of a boundary event.
enum EdgeBit : int { kLeftEdge = 1, kTopEdge = 2, kRightEdge = 4, kBottomEdge = 8 };

// Where a sprite's opaque pixels lie against the drawing area of width x height.
struct EdgeReport {
    bool outOfBounds = false; // no opaque pixel inside the area
    int edges = 0; // opaque pixels beyond these edges (only when some are inside)
};

// Left and right count only opaque rows inside the area's height, top and bottom only columns inside its width.
[[nodiscard]] EdgeReport checkEdges(const OpacityMask& mask, std::int64_t x, std::int64_t y, int width, int height);

} // namespace stage
