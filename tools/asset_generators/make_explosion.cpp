// Draws the explosion: 8 frames on a 62 x 64 screen in which a white-hot flash swells into a
// yellow and orange fireball, reddens, breaks up into grey smoke and thins away. Everything around
// the blast is pure green (index 70), which the stage takes as transparent through the colour of the
// top-left pixel; a later frame writes the transparent index 16 wherever the picture stays as it was.
#include "tools/asset_generators/byte_writer.h"
#include "tools/asset_generators/gif_writer.h"
#include "tools/asset_generators/value_noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

namespace {

using assetgen::GifImage;
using assetgen::Palette;
using assetgen::PaletteColour;

constexpr int kWidth = 62;
constexpr int kHeight = 64;
constexpr std::uint8_t kKeep = 16; // transparent index: the pixel stays as the frame before left it
constexpr std::uint8_t kClear = 70; // pure green, removed as the top-left colour
constexpr int kLeaveInPlace = 1; // disposal method: the next frame draws over this one
constexpr std::size_t kFileSize = 10623;
constexpr double kCentreX = 31.0;
constexpr double kCentreY = 31.5;

struct Rect {
    int left, top, width, height;
};

// How far the blast has come in one frame: its size, how hot it burns, how much smoke it has
// made, how much of it has thinned away, and how far the smoke has risen.
struct Stage {
    Rect rect;
    double radius, heat, smoke, thinning, rise;
};

constexpr std::array<Stage, 8> kStages = {{
    {{0, 0, 62, 64}, 6.5, 1.00, 0.00, 0.00, 0.0},
    {{14, 14, 36, 35}, 15.5, 1.00, 0.00, 0.00, 0.0},
    {{9, 8, 44, 46}, 20.5, 0.92, 0.05, 0.00, 0.5},
    {{4, 6, 52, 50}, 24.0, 0.78, 0.20, 0.00, 1.0},
    {{4, 1, 54, 61}, 26.5, 0.58, 0.50, 0.08, 2.0},
    {{2, 1, 59, 61}, 28.5, 0.36, 0.80, 0.22, 3.0},
    {{0, 1, 61, 62}, 29.5, 0.16, 0.95, 0.42, 4.0},
    {{0, 0, 62, 63}, 30.5, 0.04, 1.00, 0.64, 5.0},
}};

struct Colour {
    double r, g, b;
};

Colour lerp(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Dark red through red, orange and yellow to near-white as the heat goes from 0 to 1.
Colour fire(double heat)
{
    constexpr std::array<Colour, 5> stops
        = {{{70, 12, 6}, {176, 24, 10}, {240, 96, 14}, {255, 196, 44}, {255, 250, 210}}};
    const double t = std::clamp(heat, 0.0, 1.0) * (stops.size() - 1);
    const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(t), stops.size() - 2);
    return lerp(stops[i], stops[i + 1], t - i);
}

Colour smokeGrey(double density)
{
    const double level = 196 - 120 * std::clamp(density, 0.0, 1.0);
    return {level, level * 0.98, level * 0.95};
}

// Fire ramp, fire veiled by smoke at three strengths, and the smoke ramp: 254 colours around the
// two reserved entries.
Palette palette()
{
    std::vector<Colour> colours;
    for (int i = 0; i < 120; ++i)
        colours.push_back(fire(i / 119.0));
    for (double veil : {0.25, 0.5, 0.75})
        for (int i = 0; i < 30; ++i)
            colours.push_back(lerp(fire(i / 29.0), smokeGrey(0.5), veil));
    for (int i = 0; i < 44; ++i)
        colours.push_back(smokeGrey(i / 43.0));
    Palette table {};
    auto next = colours.begin();
    for (int index = 0; index < 256; ++index) {
        if (index == kKeep || index == kClear) {
            table[index] = {0, 255, 0};
            continue;
        }
        const Colour c = *next++;
        table[index] = {static_cast<std::uint8_t>(std::lround(c.r)), static_cast<std::uint8_t>(std::lround(c.g)),
            static_cast<std::uint8_t>(std::lround(c.b))};
    }
    return table;
}

class Blast {
public:
    Blast()
        : m_shape(0x5EED0001)
        , m_flame(0x5EED0002)
        , m_puffs(0x5EED0003)
    { }

    // The colour at a pixel in the given frame, or nothing where the blast does not reach.
    [[nodiscard]] std::optional<Colour> at(int x, int y, int frame) const
    {
        const Stage& s = kStages[frame];
        const double px = x + 0.5, py = y + 0.5 + s.rise;
        const double distance = std::hypot(px - kCentreX, (py - kCentreY) * 1.05) / s.radius;
        const double ragged
            = distance + 0.5 * (m_shape.fractal(px * 0.16 + frame * 3.1, py * 0.16 + frame * 1.7) - 0.5);
        if (ragged >= 1)
            return std::nullopt;
        const double core = 1 - ragged;
        const double puff = m_puffs.fractal(px * 0.2 + 40 - frame * 0.6, py * 0.2 + 9 + frame * 0.9);
        if (puff + 0.35 * core < s.thinning + 0.25)
            return std::nullopt;
        const double flicker = m_flame.fractal(px * 0.33 + frame * 5.3, py * 0.33 - frame * 4.1);
        const double heat = s.heat * std::clamp(core * 1.7 * (0.55 + 0.9 * flicker), 0.0, 1.0);
        const double smoke = std::clamp(s.smoke * (0.45 + 0.9 * puff) * (1.2 - 0.6 * heat), 0.0, 1.0);
        const double shade = m_flame.fractal(px * 0.25 + 70, py * 0.25 + frame * 0.8);
        return lerp(fire(heat), smokeGrey(0.15 + 1.1 * shade), smoke);
    }

private:
    assetgen::ValueNoise m_shape;
    assetgen::ValueNoise m_flame;
    assetgen::ValueNoise m_puffs;
};

// The nearest palette entry after an ordered-dither nudge, never one of the two reserved entries.
std::uint8_t quantise(const Palette& table, Colour c, int x, int y)
{
    constexpr std::array<int, 16> bayer = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
    const double nudge = (bayer[(y % 4) * 4 + x % 4] / 16.0 - 0.47) * 18;
    double best = std::numeric_limits<double>::max();
    std::uint8_t bestIndex = 0;
    for (int i = 0; i < 256; ++i) {
        if (i == kKeep || i == kClear)
            continue;
        const double dr = table[i].r - (c.r + nudge), dg = table[i].g - (c.g + nudge), db = table[i].b - (c.b + nudge);
        const double d = dr * dr * 0.3 + dg * dg * 0.59 + db * db * 0.11;
        if (d < best)
            best = d, bestIndex = static_cast<std::uint8_t>(i);
    }
    return bestIndex;
}

// Each frame covers its rectangle; where its picture equals what the screen shows already it writes
// the transparent index, elsewhere the new colour or green.
std::vector<GifImage> frames(const Palette& table)
{
    const Blast blast;
    std::vector<int> screen(kWidth * kHeight, -1);
    std::vector<GifImage> images;
    for (int frame = 0; frame < static_cast<int>(kStages.size()); ++frame) {
        const Rect r = kStages[frame].rect;
        GifImage image {r.left, r.top, r.width, r.height, {}};
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x) {
                const auto colour = blast.at(x, y, frame);
                const int index = colour ? quantise(table, *colour, x, y) : kClear;
                int& shown = screen[y * kWidth + x];
                image.indices.push_back(static_cast<std::uint8_t>(index == shown ? kKeep : index));
                shown = index;
            }
        images.push_back(std::move(image));
    }
    return images;
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = assetgen::outputDirectory(argc, argv);
    const Palette table = palette();
    assetgen::GifWriter gif(kWidth, kHeight, table, kKeep);
    gif.putLoopForever();
    for (const GifImage& image : frames(table)) {
        gif.putGraphicControl(kLeaveInPlace, 0, kKeep);
        gif.putImage(image);
    }
    std::cerr << "explosion.gif: " << gif.written() + 1 << " bytes before padding\n";
    if (!gif.padTo(kFileSize))
        std::cerr << "explosion.gif cannot be padded to " << kFileSize << " bytes\n";
    const auto bytes = gif.finish();
    assetgen::writeFile(dir / "explosion.gif", bytes);
    return bytes.size() == kFileSize ? 0 : 1;
}
