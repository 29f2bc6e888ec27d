#pragma once

#include <vector>

namespace gametest {

// Small GIF files drawn for the game's tests, shaped like the real pictures where detection cares.

// 9 x 31, one frame: a solid red shot whose top-left pixel is white (the colour taken as transparent).
[[nodiscard]] std::vector<unsigned char> shotGif();

// 62 x 64, frames frames with delay 0: pure green around a blue blast covering x 10..51, y 10..53.
// The green is the top-left colour, taken as transparent.
[[nodiscard]] std::vector<unsigned char> explosionGif(int frames);

} // namespace gametest
