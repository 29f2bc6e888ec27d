#include "tools/asset_generators/gif_writer.h"

#include <algorithm>
#include <cstdlib>
#include <gif_lib.h>
#include <iostream>
#include <string_view>

namespace assetgen {

GifWriter::GifWriter(int width, int height, const Palette& palette, int backgroundIndex)
{
    int error = 0;
    m_gif = EGifOpen(this, &GifWriter::collect, &error);
    check(m_gif ? GIF_OK : GIF_ERROR, "EGifOpen");
    EGifSetGifVersion(m_gif, true);
    std::array<GifColorType, 256> colours {};
    std::transform(palette.begin(), palette.end(), colours.begin(), [](PaletteColour c) {
        return GifColorType {c.r, c.g, c.b};
    });
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    const int result = EGifPutScreenDesc(m_gif, width, height, 8, backgroundIndex, map);
    GifFreeMapObject(map);
    check(result, "EGifPutScreenDesc");
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

int GifWriter::collect(GifFileType* gif, const std::uint8_t* bytes, int length)
{
    auto* self = static_cast<GifWriter*>(gif->UserData);
    self->m_bytes.insert(self->m_bytes.end(), bytes, bytes + length);
    return length;
}

void GifWriter::check(int result, const char* what) const
{
    if (result != GIF_OK) {
        std::cerr << what << " failed: " << GifErrorString(m_gif ? m_gif->Error : 0) << '\n';
        std::exit(1);
    }
}

void GifWriter::putLoopForever()
{
    const std::string_view id = "NETSCAPE2.0";
    const GifByteType loop[3] = {1, 0, 0}; // sub-block 1: loop count 0, forever
    check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE), "NETSCAPE leader");
    check(EGifPutExtensionBlock(m_gif, static_cast<int>(id.size()), id.data()), "NETSCAPE id");
    check(EGifPutExtensionBlock(m_gif, 3, loop), "NETSCAPE loop");
    check(EGifPutExtensionTrailer(m_gif), "NETSCAPE trailer");
}

void GifWriter::putGraphicControl(int disposal, int delayCentiseconds, int transparentIndex)
{
    GraphicsControlBlock control {disposal, false, delayCentiseconds, transparentIndex};
    GifByteType bytes[4];
    EGifGCBToExtension(&control, bytes);
    check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, bytes), "graphic control");
}

void GifWriter::putImage(const GifImage& image)
{
    check(EGifPutImageDesc(m_gif, image.left, image.top, image.width, image.height, false, nullptr), "image");
    std::vector<GifPixelType> row(image.width);
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.indices.begin() + y * image.width, image.width, row.begin());
        check(EGifPutLine(m_gif, row.data(), image.width), "image row");
    }
}

// A comment of n bytes of text in k sub-blocks takes 3 + k + n bytes: introducer, label, the
// sub-blocks with their length bytes, and the terminating empty block.
bool GifWriter::padTo(std::size_t fileSize)
{
    const std::size_t written = m_bytes.size() + 1; // the trailer still to come
    if (fileSize < written + 3 || fileSize == written + 4)
        return fileSize == written;
    std::size_t room = fileSize - written - 3;
    const std::string_view motto = "Zorvane: drawn by its own generator. ";
    check(EGifPutExtensionLeader(m_gif, COMMENT_EXT_FUNC_CODE), "comment leader");
    while (room > 0) {
        // A last block of one length byte and no text is impossible: leave two bytes for it.
        std::size_t text = std::min<std::size_t>(255, room - 1);
        if (room - 1 - text == 1)
            --text;
        std::string block;
        while (block.size() < text)
            block += motto.substr(0, std::min(motto.size(), text - block.size()));
        check(EGifPutExtensionBlock(m_gif, static_cast<int>(text), block.data()), "comment block");
        room -= text + 1;
    }
    check(EGifPutExtensionTrailer(m_gif), "comment trailer");
    return true;
}

std::vector<std::uint8_t> GifWriter::finish()
{
    int error = 0;
    const int result = EGifCloseFile(m_gif, &error);
    m_gif = nullptr;
    if (result != GIF_OK) {
        std::cerr << "EGifCloseFile failed: " << GifErrorString(error) << '\n';
        std::exit(1);
    }
    return m_bytes;
}

} // namespace assetgen
