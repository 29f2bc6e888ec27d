// Draws the shot: a 9 x 31 grey missile pointing up, with a rounded nose, two red bands and tail
// fins, outlined in near-black on a white ground. Writes shot.gif: GIF89a, one frame, a 256-colour
// global table and no graphic control extension; a comment pads the file to its fixed size.
#include "tools/asset_generators/byte_writer.h"
#include "tools/asset_generators/gif_writer.h"

#include <array>
#include <iostream>
#include <string_view>

namespace {

using assetgen::GifImage;
using assetgen::Palette;

constexpr int kWidth = 9;
constexpr int kHeight = 31;
constexpr std::size_t kFileSize = 934;

// One character a pixel; each character's colour is in kInks.
constexpr std::array<std::string_view, kHeight> kPixels = {
    "...###...",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#456#..",
    "..#456#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#123#..",
    "..#456#..",
    "..#456#..",
    "..#123#..",
    "..#123#..",
    ".##123##.",
    "#7#123#7#",
    "#7#123#7#",
    "#7#123#7#",
    "#7#123#7#",
    "#7#123#7#",
    "###123###",
    "..#123#..",
    "..#333#..",
    "..#####..",
    ".........",
};

struct Ink {
    char symbol;
    assetgen::PaletteColour colour;
};

constexpr std::array<Ink, 9> kInks = {{
    {'.', {255, 255, 255}}, // ground
    {'#', {28, 28, 34}}, // outline
    {'1', {222, 224, 228}}, // lit side of the body
    {'2', {166, 170, 176}}, // body
    {'3', {108, 112, 120}}, // shaded side
    {'4', {236, 64, 60}}, // band, lit
    {'5', {206, 28, 32}}, // band
    {'6', {140, 14, 20}}, // band, shaded
    {'7', {128, 132, 140}}, // fins
}};

Palette palette()
{
    Palette table {};
    for (std::size_t i = 0; i < kInks.size(); ++i)
        table[i] = kInks[i].colour;
    return table;
}

std::uint8_t inkIndex(char symbol)
{
    for (std::size_t i = 0; i < kInks.size(); ++i)
        if (kInks[i].symbol == symbol)
            return static_cast<std::uint8_t>(i);
    return 0;
}

GifImage picture()
{
    GifImage image {0, 0, kWidth, kHeight, {}};
    for (std::string_view row : kPixels)
        for (char symbol : row)
            image.indices.push_back(inkIndex(symbol));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = assetgen::outputDirectory(argc, argv);
    assetgen::GifWriter gif(kWidth, kHeight, palette(), 0);
    gif.putImage(picture());
    std::cerr << "shot.gif: " << gif.written() + 1 << " bytes before padding\n";
    if (!gif.padTo(kFileSize))
        std::cerr << "shot.gif cannot be padded to " << kFileSize << " bytes\n";
    const auto bytes = gif.finish();
    assetgen::writeFile(dir / "shot.gif", bytes);
    return bytes.size() == kFileSize ? 0 : 1;
}
