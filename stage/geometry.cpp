#include "stage/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace stage {
namespace {
constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr std::int64_t kPositionBound = std::int64_t {1} << 40;
} // namespace

std::int64_t truncatePosition(double v)
{
    if (!(std::fabs(v) < kTwoTo63))
        return 0;
    return std::clamp(static_cast<std::int64_t>(v), -kPositionBound, kPositionBound);
}

int eventCoordinate(std::int64_t v)
{
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

Displacement stepAlong(int angleDegrees, int step)
{
    const int angle = ((angleDegrees % 360) + 360) % 360;
    const double s = step;
    switch (angle) {
    case 0:
        return {0, -s};
    case 90:
        return {s, 0};
    case 180:
        return {0, s};
    case 270:
        return {-s, 0};
    default:
        break;
    }
    const double radians = angle * std::numbers::pi / 180.0;
    return {s * std::sin(radians), -s * std::cos(radians)};
}

} // namespace stage
