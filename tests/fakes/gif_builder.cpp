#include "fakes/gif_builder.h"

#include <stdexcept>

namespace fakes {
namespace {

int writeToVector(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int result)
{
    if (result != GIF_OK)
        throw std::runtime_error("giflib could not write the test picture");
}

void putImage(GifFileType* gif, const GifImage& image)
{
    const GraphicsControlBlock gcb {image.disposal, false, image.delay, image.transparentIndex};
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&gcb, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
    check(EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, false, nullptr));
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            row[x] = image.indices[static_cast<std::size_t>(y) * image.width + x];
        check(EGifPutLine(gif, row.data(), image.width));
    }
}

} // namespace

std::vector<unsigned char> buildGif(int width, int height, const std::vector<GifImage>& images)
{
    std::vector<unsigned char> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToVector, &error);
    if (gif == nullptr)
        throw std::runtime_error("giflib could not open the encoder");
    EGifSetGifVersion(gif, true);
    GifColorType colors[4] = {{255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* palette = GifMakeMapObject(4, colors);
    const int put = EGifPutScreenDesc(gif, width, height, 8, 0, palette);
    GifFreeMapObject(palette);
    check(put);
    for (const GifImage& image : images)
        putImage(gif, image);
    check(EGifCloseFile(gif, &error));
    return out;
}

std::vector<unsigned char> solidGif(int width, int height, std::uint8_t index)
{
    GifImage image {0, 0, width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, index)};
    return buildGif(width, height, {image});
}

} // namespace fakes
