#pragma once

#include <span>

// The pictures and sounds compiled into the program; each span lives for the whole run.
namespace assets {

// Icon file with one 128 x 128 image, 32 bits per pixel: the window's icon.
std::span<const unsigned char> programIcon();
// GIF89a, 9 x 31: the grey missile of a shot on a white ground.
std::span<const unsigned char> shotPicture();
// Animated GIF89a, 62 x 64, 8 frames on a green ground: the explosion of a hit letter.
std::span<const unsigned char> hitPicture();
// RIFF/WAVE, 16-bit mono at 11,025 Hz, 3.45 s: the whoosh of a shot being fired.
std::span<const unsigned char> shotSound();
// RIFF/WAVE, 16-bit mono at 11,025 Hz, 3.17 s: the boom of a shot striking.
std::span<const unsigned char> impactSound();

} // namespace assets
