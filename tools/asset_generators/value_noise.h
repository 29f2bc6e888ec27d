#pragma once

#include "tools/asset_generators/random.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace assetgen {

// Smooth random values over the plane, repeating every 64 units, from a fixed seed.
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed)
    {
        Random random(seed);
        for (double& value : m_lattice)
            value = random.unit();
    }

    // In [0, 1).
    [[nodiscard]] double at(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const double sx = smooth(x - fx), sy = smooth(y - fy);
        const double top = lerp(corner(ix, iy), corner(ix + 1, iy), sx);
        const double bottom = lerp(corner(ix, iy + 1), corner(ix + 1, iy + 1), sx);
        return lerp(top, bottom, sy);
    }

    // Three octaves, each at twice the frequency and half the weight of the one before; in [0, 1).
    [[nodiscard]] double fractal(double x, double y) const
    {
        return (at(x, y) * 4 + at(x * 2 + 31.7, y * 2 + 11.3) * 2 + at(x * 4 + 7.1, y * 4 + 53.9)) / 7;
    }

private:
    static constexpr int kSide = 64;
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    [[nodiscard]] double corner(int x, int y) const { return m_lattice[(y & (kSide - 1)) * kSide + (x & (kSide - 1))]; }

    std::array<double, kSide * kSide> m_lattice {};
};

} // namespace assetgen
