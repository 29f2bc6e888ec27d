#include "skin/crc32.h"

#include <array>

namespace skin {
namespace {

constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table {};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1U) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr auto kTable = makeTable();

} // namespace

std::uint32_t crc32(std::span<const unsigned char> bytes)
{
    std::uint32_t c = 0xFFFFFFFFU;
    for (const unsigned char byte : bytes)
        c = kTable[(c ^ byte) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

} // namespace skin
