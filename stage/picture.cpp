#include "stage/picture.h"

namespace stage {

std::uint32_t pixelFromColor(Color color)
{
    const std::uint32_t red = color & 0xFFu;
    const std::uint32_t green = (color >> 8) & 0xFFu;
    const std::uint32_t blue = (color >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

PicturePtr makePicture(std::vector<RawFrame> frames, std::uint32_t colorKey)
{
    auto picture = std::make_shared<Picture>();
    picture->frames.reserve(frames.size());
    for (RawFrame& raw : frames) {
        for (std::uint32_t& pixel : raw.image.pixels) {
            if ((pixel >> 24) == 0 || (colorKey != kNoColorKey && pixel == colorKey))
                pixel = 0;
        }
        Frame frame;
        frame.mask = OpacityMask(raw.image);
        frame.image = std::move(raw.image);
        frame.delayMs = raw.delayMs;
        picture->frames.push_back(std::move(frame));
    }
    return picture;
}

} // namespace stage
