#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct GifFileType;

namespace assetgen {

struct PaletteColour {
    std::uint8_t r = 0, g = 0, b = 0;
};
using Palette = std::array<PaletteColour, 256>;

// A rectangle of colour indices, rows top to bottom.
struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indices;
};

// Writes a GIF89a file into memory with giflib's encoder, block by block, with a 256-colour global table.
class GifWriter {
public:
    GifWriter(int width, int height, const Palette& palette, int backgroundIndex);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // NETSCAPE2.0 application extension: play the animation over and over.
    void putLoopForever();
    void putGraphicControl(int disposal, int delayCentiseconds, int transparentIndex);
    void putImage(const GifImage& image);
    // Adds a comment extension of the size that makes the finished file exactly `fileSize` bytes.
    // Returns false, adding nothing, when no comment has that size.
    bool padTo(std::size_t fileSize);
    // Bytes written so far.
    [[nodiscard]] std::size_t written() const { return m_bytes.size(); }
    // Writes the trailer and returns the whole file.
    std::vector<std::uint8_t> finish();

private:
    static int collect(GifFileType* gif, const std::uint8_t* bytes, int length);
    void check(int result, const char* what) const;

    GifFileType* m_gif = nullptr;
    std::vector<std::uint8_t> m_bytes;
};

} // namespace assetgen
