#include "stage/opacity_mask.h"

#include <algorithm>

namespace stage {

OpacityMask::OpacityMask(const Image& image)
    : m_width(std::max(image.width, 0))
    , m_height(std::max(image.height, 0))
    , m_words((m_width + 63) / 64)
    , m_minX(m_width)
    , m_minY(m_height)
    , m_bits(static_cast<std::size_t>(m_words) * m_height, 0)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (!image.isOpaque(x, y))
                continue;
            m_bits[static_cast<std::size_t>(y) * m_words + x / 64] |= std::uint64_t {1} << (x % 64);
            m_minX = std::min(m_minX, x);
            m_minY = std::min(m_minY, y);
            m_maxX = std::max(m_maxX, x + 1);
            m_maxY = std::max(m_maxY, y + 1);
        }
    }
    if (m_maxX == 0)
        m_minX = m_minY = 0;
}

bool OpacityMask::test(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return (row(y)[x / 64] >> (x % 64)) & 1u;
}

std::uint64_t OpacityMask::bitsAt(int y, int start, int count) const
{
    const std::uint64_t* r = row(y);
    const int word = start / 64;
    const int shift = start % 64;
    std::uint64_t bits = r[word] >> shift;
    if (shift != 0 && word + 1 < m_words)
        bits |= r[word + 1] << (64 - shift);
    return count >= 64 ? bits : bits & ((std::uint64_t {1} << count) - 1);
}

bool OpacityMask::anyIn(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) const
{
    const int left = static_cast<int>(std::max<std::int64_t>(x0, m_minX));
    const int top = static_cast<int>(std::max<std::int64_t>(y0, m_minY));
    const int right = static_cast<int>(std::min<std::int64_t>(x1, m_maxX));
    const int bottom = static_cast<int>(std::min<std::int64_t>(y1, m_maxY));
    if (left >= right || top >= bottom)
        return false;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; x += 64)
            if (bitsAt(y, x, right - x) != 0)
                return true;
    return false;
}

bool OpacityMask::overlap(
    const OpacityMask& a, std::int64_t ax, std::int64_t ay, const OpacityMask& b, std::int64_t bx, std::int64_t by)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const std::int64_t left = std::max(ax + a.m_minX, bx + b.m_minX);
    const std::int64_t top = std::max(ay + a.m_minY, by + b.m_minY);
    const std::int64_t right = std::min(ax + a.m_maxX, bx + b.m_maxX);
    const std::int64_t bottom = std::min(ay + a.m_maxY, by + b.m_maxY);
    if (left >= right || top >= bottom)
        return false;
    // Inside the common box every coordinate fits both images, so the casts below are exact.
    for (std::int64_t y = top; y < bottom; ++y) {
        for (std::int64_t x = left; x < right; x += 64) {
            const int count = static_cast<int>(std::min<std::int64_t>(64, right - x));
            const std::uint64_t bitsA = a.bitsAt(static_cast<int>(y - ay), static_cast<int>(x - ax), count);
            const std::uint64_t bitsB = b.bitsAt(static_cast<int>(y - by), static_cast<int>(x - bx), count);
            if ((bitsA & bitsB) != 0)
                return true;
        }
    }
    return false;
}

} // namespace stage
