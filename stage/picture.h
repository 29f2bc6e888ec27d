#pragma once

#include <memory>
#include <vector>

#include "stage/color.h"
#include "stage/image.h"
#include "stage/opacity_mask.h"

namespace stage {

// Shown for a frame whose picture gives no delay.
inline constexpr int kDefaultFrameDelayMs = 50;

// One frame of a sprite's picture: its pixels, its opaque pixels as a mask, and how long it shows.
struct Frame {
    Image image;
    OpacityMask mask;
    int delayMs = kDefaultFrameDelayMs;
};

// The frames a sprite shows: one for a text or a still picture, several for an animation.
// Pictures never change once made, so sprites share them.
struct Picture {
    std::vector<Frame> frames;
};

using PicturePtr = std::shared_ptr<const Picture>;

// A frame's pixels before the opacity mask is taken.
struct RawFrame {
    Image image;
    int delayMs = kDefaultFrameDelayMs;
};

// Converts a 0x00BBGGRR colour to an opaque 0xAARRGGBB pixel.
[[nodiscard]] std::uint32_t pixelFromColor(Color color);

// Makes every pixel of the colour key transparent in every frame (no key: kNoColorKey) and takes the masks.
// A transparent pixel is stored as 0, so the pixels read the same premultiplied or not.
inline constexpr std::uint32_t kNoColorKey = 0;
[[nodiscard]] PicturePtr makePicture(std::vector<RawFrame> frames, std::uint32_t colorKey = kNoColorKey);

} // namespace stage
