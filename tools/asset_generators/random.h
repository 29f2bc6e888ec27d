#pragma once

#include <cstdint>

namespace assetgen {

// A small seeded generator (SplitMix64) whose sequence is the same on every machine and library.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in [-1, 1).
    double signedUnit() { return unit() * 2.0 - 1.0; }

private:
    std::uint64_t m_state;
};

} // namespace assetgen
