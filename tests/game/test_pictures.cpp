#include "test_pictures.h"

#include <stdexcept>

#include <gif_lib.h>

namespace gametest {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int status)
{
    if (status != GIF_OK)
        throw std::runtime_error("writing a test GIF failed");
}

// Index 0 white, 1 grey, 2 green, 3 orange.
ColorMapObject* testPalette()
{
    const GifColorType colours[4] = {{255, 255, 255}, {128, 128, 128}, {0, 255, 0}, {255, 128, 0}};
    return GifMakeMapObject(4, colours);
}

// Writes a file of equal full-screen frames; pixel(x, y) gives each pixel's colour index.
template<typename PixelFn>
std::vector<unsigned char> writeGif(int width, int height, int frames, bool withControl, PixelFn pixel)
{
    std::vector<unsigned char> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (gif == nullptr)
        throw std::runtime_error("EGifOpen failed");
    EGifSetGifVersion(gif, true);
    ColorMapObject* palette = testPalette();
    check(EGifPutScreenDesc(gif, width, height, 8, 0, palette));
    for (int f = 0; f < frames; ++f) {
        if (withControl) {
            GraphicsControlBlock control {DISPOSE_DO_NOT, false, 0, NO_TRANSPARENT_COLOR};
            GifByteType extension[4];
            const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension));
        }
        check(EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr));
        std::vector<GifPixelType> line(static_cast<std::size_t>(width));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(pixel(x, y));
            check(EGifPutLine(gif, line.data(), width));
        }
    }
    GifFreeMapObject(palette);
    check(EGifCloseFile(gif, &error));
    return bytes;
}

} // namespace

std::vector<unsigned char> shotGif()
{
    return writeGif(9, 31, 1, false, [](int x, int y) { return (x == 0 && y == 0) ? 0 : 1; });
}

std::vector<unsigned char> explosionGif(int frames)
{
    return writeGif(
        62, 64, frames, true, [](int x, int y) { return (x >= 10 && x <= 51 && y >= 10 && y <= 53) ? 3 : 2; });
}

} // namespace gametest
