#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace assettest {

using Bytes = std::span<const unsigned char>;

inline std::uint16_t u16(Bytes bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t u32(Bytes bytes, std::size_t at)
{
    return u16(bytes, at) | static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}

inline std::string text(Bytes bytes, std::size_t at, std::size_t length)
{
    return {reinterpret_cast<const char*>(bytes.data() + at), length};
}

} // namespace assettest
