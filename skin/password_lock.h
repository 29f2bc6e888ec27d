#pragma once

#include "skin/sha256.h"

#include <array>
#include <string_view>

namespace skin {

using PasswordSalt = std::array<unsigned char, 16>;

// A protected skin keeps a random salt and SHA-256(salt + password); the password itself is not stored.
struct PasswordLock {
    PasswordSalt salt {};
    Sha256Digest hash {};

    bool operator==(const PasswordLock&) const = default;
};

[[nodiscard]] PasswordLock lockWithPassword(std::string_view password, const PasswordSalt& salt);
[[nodiscard]] bool unlocks(const PasswordLock& lock, std::string_view password);

} // namespace skin
