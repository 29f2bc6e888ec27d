#pragma once

#include "tests/assets/byte_reader.h"

#include <algorithm>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace assettest {

// A GIF read whole by giflib's decoder from bytes in memory.
class DecodedGif {
public:
    explicit DecodedGif(Bytes bytes)
        : m_bytes(bytes)
    {
        int error = 0;
        m_gif.reset(DGifOpen(this, &DecodedGif::read, &error));
        if (m_gif && DGifSlurp(m_gif.get()) != GIF_OK)
            m_gif.reset();
    }

    [[nodiscard]] bool ok() const { return m_gif != nullptr; }
    [[nodiscard]] const GifFileType& file() const { return *m_gif; }
    [[nodiscard]] const SavedImage& image(int i) const { return m_gif->SavedImages[i]; }

    // The frame's graphic control block; false when the frame has none.
    bool control(int i, GraphicsControlBlock& block) const
    {
        return DGifSavedExtensionToGCB(m_gif.get(), i, &block) == GIF_OK;
    }

    // Palette indices of the screen after drawing frames 0..last over an empty screen (-1),
    // keeping what lies under transparent pixels, as disposal method 1 asks.
    [[nodiscard]] std::vector<int> composed(int last) const
    {
        std::vector<int> screen(m_gif->SWidth * m_gif->SHeight, -1);
        for (int i = 0; i <= last; ++i) {
            GraphicsControlBlock block {};
            const int transparent = control(i, block) ? block.TransparentColor : NO_TRANSPARENT_COLOR;
            const GifImageDesc& d = image(i).ImageDesc;
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x) {
                    const int index = image(i).RasterBits[y * d.Width + x];
                    if (index != transparent)
                        screen[(d.Top + y) * m_gif->SWidth + d.Left + x] = index;
                }
        }
        return screen;
    }

private:
    static int read(GifFileType* gif, GifByteType* into, int length)
    {
        auto* self = static_cast<DecodedGif*>(gif->UserData);
        const auto count = std::min<std::size_t>(length, self->m_bytes.size() - self->m_offset);
        std::copy_n(self->m_bytes.begin() + self->m_offset, count, into);
        self->m_offset += count;
        return static_cast<int>(count);
    }

    struct Closer {
        void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
    };

    Bytes m_bytes;
    std::size_t m_offset = 0;
    std::unique_ptr<GifFileType, Closer> m_gif;
};

} // namespace assettest
