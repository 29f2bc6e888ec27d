#pragma once

#include <cstdint>

namespace stage {

// A position truncated toward zero, kept well inside the 64-bit range so that adding an image size can
// never overflow; a value that no integer can hold gives 0.
[[nodiscard]] std::int64_t truncatePosition(double v);

// The low 32 bits of a truncated position, as events report it.
[[nodiscard]] int eventCoordinate(std::int64_t v);

// The move of one step along an angle in degrees clockwise from straight up; quarter turns are exact.
struct Displacement {
    double dx = 0;
    double dy = 0;
};
[[nodiscard]] Displacement stepAlong(int angleDegrees, int step);

} // namespace stage
