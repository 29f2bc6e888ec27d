// Draws the program icon: a night-blue rounded square in which a red "A" falls towards a grey
// missile rising on its flame. Writes icon.ico (one 128 x 128 image, 32 bits per pixel) and the
// same drawing as PNG files for the freedesktop hicolor theme.
#include "tools/asset_generators/byte_writer.h"
#include "tools/asset_generators/canvas.h"
#include "tools/asset_generators/png_writer.h"

#include <array>
#include <cmath>
#include <string>

namespace {

using namespace assetgen;
using namespace assetgen::shapes;

constexpr int kIcoSize = 128;
constexpr std::array kThemeSizes = {16, 32, 48, 64, 128, 256};

void drawBackground(Canvas& canvas)
{
    const Shape tile = roundedBox(0.03, 0.03, 0.97, 0.97, 0.19);
    canvas.fill(tile, rgb(96, 128, 200));
    canvas.fill(grown(tile, -0.02), [](double, double y) { return mix(rgb(44, 64, 120), rgb(12, 18, 40), y); });
    constexpr std::array<std::array<double, 3>, 7> stars = {{{0.20, 0.22, 0.010}, {0.80, 0.16, 0.012},
        {0.16, 0.62, 0.008}, {0.84, 0.52, 0.009}, {0.28, 0.84, 0.007}, {0.74, 0.80, 0.008}, {0.68, 0.34, 0.006}}};
    for (const auto& [x, y, r] : stars)
        canvas.fill(circle(x, y, r), rgb(255, 255, 255, 0.75));
}

Shape letterA()
{
    const Shape legs = unite(segment(0.35, 0.50, 0.50, 0.15, 0.045), segment(0.50, 0.15, 0.65, 0.50, 0.045));
    return unite(legs, segment(0.40, 0.39, 0.60, 0.39, 0.035));
}

void drawFallingLetter(Canvas& canvas)
{
    // Speed lines trailing up beside the letter.
    constexpr std::array<std::array<double, 3>, 4> trails
        = {{{0.27, 0.14, 0.34}, {0.22, 0.22, 0.36}, {0.73, 0.14, 0.34}, {0.78, 0.22, 0.36}}};
    for (const auto& [x, top, bottom] : trails)
        canvas.fill(segment(x, top, x, bottom, 0.01),
            [top, bottom](double, double y) { return rgb(255, 140, 130, 0.6 * (y - top) / (bottom - top)); });
    const Shape a = letterA();
    canvas.fill([a](double x, double y) { return a(x - 0.012, y - 0.014); }, rgb(0, 0, 0, 0.4));
    canvas.fill(grown(a, 0.014), rgb(110, 8, 18));
    canvas.fill(a, [](double, double y) { return mix(rgb(255, 104, 92), rgb(206, 22, 34), (y - 0.1) / 0.45); });
}

Shape missileBody() { return unite(circle(0.5, 0.665, 0.038), roundedBox(0.462, 0.665, 0.538, 0.84, 0.008)); }

Shape missileFins()
{
    return unite(polygon({{0.47, 0.75}, {0.41, 0.83}, {0.41, 0.875}, {0.47, 0.845}}),
        polygon({{0.53, 0.75}, {0.59, 0.83}, {0.59, 0.875}, {0.53, 0.845}}));
}

// Lighter towards the left of the middle, as a lit cylinder.
Rgba metal(double x, double)
{
    const double shade = 1 - std::abs((x - 0.49) / 0.05);
    return mix(rgb(96, 100, 108), rgb(218, 222, 228), std::clamp(shade, 0.0, 1.0));
}

void drawMissile(Canvas& canvas)
{
    canvas.fill(
        polygon({{0.47, 0.85}, {0.53, 0.85}, {0.515, 0.95}, {0.5, 0.985}, {0.485, 0.95}}), rgb(255, 150, 40, 0.9));
    canvas.fill(polygon({{0.483, 0.85}, {0.517, 0.85}, {0.5, 0.93}}), rgb(255, 240, 150));
    const Shape body = missileBody();
    const Shape fins = missileFins();
    canvas.fill(grown(unite(body, fins), 0.012), rgb(26, 26, 32));
    canvas.fill(fins, rgb(120, 124, 132));
    canvas.fill(body, metal);
    for (double top : {0.71, 0.785})
        canvas.fill(intersect(body, roundedBox(0.4, top, 0.6, top + 0.022, 0)), rgb(214, 30, 36));
}

Canvas drawIcon(int size)
{
    Canvas canvas(size);
    drawBackground(canvas);
    drawFallingLetter(canvas);
    drawMissile(canvas);
    return canvas;
}

// Header, the one directory entry, and the bitmap header of the image whose height counts the
// colour rows and the mask rows together.
void writeHeaders(ByteWriter& out, int n, std::uint32_t imageBytes)
{
    out.u16le(0); // reserved
    out.u16le(1); // icon
    out.u16le(1); // one image
    out.u8(n % 256);
    out.u8(n % 256);
    out.u8(0); // no palette
    out.u8(0);
    out.u16le(1); // planes
    out.u16le(32);
    out.u32le(imageBytes);
    out.u32le(22); // the image follows this entry
    for (std::uint32_t field : {40, n, 2 * n})
        out.u32le(field);
    out.u16le(1);
    out.u16le(32);
    for (std::uint32_t field : {0u, imageBytes - 40, 0u, 0u, 0u, 0u}) // uncompressed, pixel bytes, no palette
        out.u32le(field);
}

// BGRA, bottom row first.
void writeColourRows(ByteWriter& out, int n, const std::vector<std::uint8_t>& rgba)
{
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const std::uint8_t* p = &rgba[(y * n + x) * 4];
            for (int channel : {2, 1, 0, 3})
                out.u8(p[channel]);
        }
}

// One bit a pixel, set where the picture is clear; rows padded to four bytes, bottom row first.
void writeMaskRows(ByteWriter& out, int n, std::uint32_t stride, const std::vector<std::uint8_t>& rgba)
{
    for (int y = n - 1; y >= 0; --y)
        for (std::uint32_t byte = 0; byte < stride; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte * 8) + bit;
                if (x < n && rgba[(y * n + x) * 4 + 3] == 0)
                    bits |= 0x80 >> bit;
            }
            out.u8(bits);
        }
}

// An icon file holding the one picture at 32 bits per pixel.
std::vector<std::uint8_t> icoFile(const Canvas& canvas)
{
    const int n = canvas.size();
    const std::uint32_t maskStride = ((n + 31) / 32) * 4;
    const std::vector<std::uint8_t> rgba = canvas.rgba8();
    ByteWriter out;
    writeHeaders(out, n, 40 + n * n * 4 + maskStride * n);
    writeColourRows(out, n, rgba);
    writeMaskRows(out, n, maskStride, rgba);
    return out.bytes();
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = assetgen::outputDirectory(argc, argv);
    assetgen::writeFile(dir / "icon.ico", icoFile(drawIcon(kIcoSize)));
    for (int size : kThemeSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const auto png = assetgen::pngFile(size, size, drawIcon(size).rgba8());
        assetgen::writeFile(dir / "icons" / "hicolor" / folder / "apps" / "zorvane.png", png);
    }
    return 0;
}
