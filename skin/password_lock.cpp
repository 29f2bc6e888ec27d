#include "skin/password_lock.h"

#include <vector>

namespace skin {

PasswordLock lockWithPassword(std::string_view password, const PasswordSalt& salt)
{
    std::vector<unsigned char> salted(salt.begin(), salt.end());
    salted.insert(salted.end(), password.begin(), password.end());
    return PasswordLock {salt, sha256(salted)};
}

bool unlocks(const PasswordLock& lock, std::string_view password)
{
    // Compare every byte so the time taken does not tell how much of the hash matched.
    const auto candidate = lockWithPassword(password, lock.salt).hash;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < candidate.size(); ++i)
        difference |= candidate[i] ^ lock.hash[i];
    return difference == 0;
}

} // namespace skin
