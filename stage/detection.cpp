#include "stage/detection.h"

namespace stage {

EdgeReport checkEdges(const OpacityMask& mask, std::int64_t x, std::int64_t y, int width, int height)
{
    // The area and the parts beyond each edge, in the image's own coordinates.
    const std::int64_t left = -x, top = -y, right = width - x, bottom = height - y;
    constexpr std::int64_t kFar = std::int64_t {1} << 50;

    EdgeReport report;
    if (!mask.anyIn(left, top, right, bottom)) {
        report.outOfBounds = true;
        return report;
    }
    if (mask.anyIn(-kFar, top, left, bottom))
        report.edges |= kLeftEdge;
    if (mask.anyIn(left, -kFar, right, top))
        report.edges |= kTopEdge;
    if (mask.anyIn(right, top, kFar, bottom))
        report.edges |= kRightEdge;
    if (mask.anyIn(left, bottom, right, kFar))
        report.edges |= kBottomEdge;
    return report;
}

} // namespace stage
