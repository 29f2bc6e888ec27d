#pragma once

#include <cstdint>

namespace stage {

// Colours are laid out 0x00BBGGRR, so 255 is pure red.
using Color = std::uint32_t;

// Stands for "no colour given": the property keeps its default.
inline constexpr Color kDefaultColor = 0xFF000000u;

constexpr Color rgb(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

} // namespace stage
