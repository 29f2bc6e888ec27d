#pragma once

#include <cstdint>
#include <vector>

#include "stage/image.h"

namespace stage {

// The opaque pixels of one image as a bitmask, one row of 64-bit words per pixel row, so that
// edge and overlap tests work on whole words. Also keeps the box around the opaque pixels.
class OpacityMask {
public:
    OpacityMask() = default;
    explicit OpacityMask(const Image& image);

    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }
    [[nodiscard]] bool isEmpty() const { return m_maxX <= m_minX; }
    // The box around the opaque pixels, half-open, in image coordinates.
    [[nodiscard]] int minX() const { return m_minX; }
    [[nodiscard]] int minY() const { return m_minY; }
    [[nodiscard]] int maxX() const { return m_maxX; }
    [[nodiscard]] int maxY() const { return m_maxY; }

    [[nodiscard]] bool test(int x, int y) const;
    // Whether an opaque pixel lies in the half-open rectangle [x0, x1) x [y0, y1) of image coordinates.
    [[nodiscard]] bool anyIn(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const;
    // Whether a at (ax, ay) and b at (bx, by) have an opaque pixel at the same place.
    static bool overlap(
        const OpacityMask& a, std::int64_t ax, std::int64_t ay, const OpacityMask& b, std::int64_t bx, std::int64_t by);

private:
    [[nodiscard]] const std::uint64_t* row(int y) const
    {
        return m_bits.data() + static_cast<std::size_t>(y) * m_words;
    }
    // count (1..64) bits of row y starting at bit start, lowest bit first.
    [[nodiscard]] std::uint64_t bitsAt(int y, int start, int count) const;

    int m_width = 0;
    int m_height = 0;
    int m_words = 0;
    int m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
    std::vector<std::uint64_t> m_bits;
};

} // namespace stage
