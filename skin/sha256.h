#pragma once

#include <array>
#include <span>

namespace skin {

using Sha256Digest = std::array<unsigned char, 32>;

// SHA-256 (FIPS 180-4) of a byte string. Used for the salted password hash of protected skins.
[[nodiscard]] Sha256Digest sha256(std::span<const unsigned char> bytes);

} // namespace skin
