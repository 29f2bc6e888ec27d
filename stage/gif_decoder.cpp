#include "stage/gif_decoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <gif_lib.h>

namespace stage {
namespace {

// Pictures larger than this on a side are refused rather than allocated.
constexpr int kMaxSide = 4096;

struct MemoryReader {
    std::span<const unsigned char> bytes;
    std::size_t offset = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int wanted)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t left = reader->bytes.size() - reader->offset;
    const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, 0)));
    std::memcpy(out, reader->bytes.data() + reader->offset, count);
    reader->offset += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0; // clipped to the canvas, half-open
};

Rect clippedRect(const GifImageDesc& desc, int width, int height)
{
    return {std::clamp(desc.Left, 0, width), std::clamp(desc.Top, 0, height),
        std::clamp(desc.Left + desc.Width, 0, width), std::clamp(desc.Top + desc.Height, 0, height)};
}

GraphicsControlBlock controlBlockOf(GifFileType* gif, int index)
{
    GraphicsControlBlock gcb {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    DGifSavedExtensionToGCB(gif, index, &gcb);
    return gcb;
}

// Draws one image of the file onto the canvas; transparent and undefined indices leave the canvas as it is.
void drawImage(const SavedImage& saved, const ColorMapObject* globalMap, int transparentIndex, Image& canvas)
{
    const ColorMapObject* map = saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : globalMap;
    if (map == nullptr || saved.RasterBits == nullptr)
        return;
    const GifImageDesc& desc = saved.ImageDesc;
    const Rect rect = clippedRect(desc, canvas.width, canvas.height);
    for (int y = rect.top; y < rect.bottom; ++y) {
        const GifByteType* source = saved.RasterBits + static_cast<std::size_t>(y - desc.Top) * desc.Width;
        for (int x = rect.left; x < rect.right; ++x) {
            const int index = source[x - desc.Left];
            if (index == transparentIndex || index >= map->ColorCount)
                continue;
            const GifColorType& c = map->Colors[index];
            canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x]
                = 0xFF000000u | (std::uint32_t {c.Red} << 16) | (std::uint32_t {c.Green} << 8) | c.Blue;
        }
    }
}

void clearRect(const GifImageDesc& desc, Image& canvas)
{
    const Rect rect = clippedRect(desc, canvas.width, canvas.height);
    for (int y = rect.top; y < rect.bottom; ++y)
        std::fill_n(canvas.pixels.begin() + static_cast<std::ptrdiff_t>(y) * canvas.width + rect.left,
            rect.right - rect.left, 0u);
}

std::vector<RawFrame> composeFrames(GifFileType* gif)
{
    Image canvas;
    canvas.width = gif->SWidth;
    canvas.height = gif->SHeight;
    canvas.pixels.assign(static_cast<std::size_t>(canvas.width) * canvas.height, 0u);

    std::vector<RawFrame> frames;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& saved = gif->SavedImages[i];
        const GraphicsControlBlock gcb = controlBlockOf(gif, i);
        const Image before = gcb.DisposalMode == DISPOSE_PREVIOUS ? canvas : Image {};
        drawImage(saved, gif->SColorMap, gcb.TransparentColor, canvas);
        frames.push_back({canvas, gcb.DelayTime > 0 ? gcb.DelayTime * 10 : kDefaultFrameDelayMs});
        if (gcb.DisposalMode == DISPOSE_BACKGROUND)
            clearRect(saved.ImageDesc, canvas);
        else if (gcb.DisposalMode == DISPOSE_PREVIOUS)
            canvas = before;
    }
    return frames;
}

} // namespace

std::vector<RawFrame> decodeGif(std::span<const unsigned char> bytes)
{
    if (bytes.empty())
        return {};
    MemoryReader reader {bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, readFromMemory, &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return {};
    if (gif->SWidth <= 0 || gif->SHeight <= 0 || gif->SWidth > kMaxSide || gif->SHeight > kMaxSide)
        return {};
    return composeFrames(gif.get());
}

} // namespace stage
