#pragma once

#include <cstdint>
#include <span>

namespace skin {

// CRC-32 as used by zip and PNG: reflected polynomial 0xEDB88320, initial value and final xor 0xFFFFFFFF.
[[nodiscard]] std::uint32_t crc32(std::span<const unsigned char> bytes);

} // namespace skin
