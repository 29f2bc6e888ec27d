#pragma once

#include <cstdint>

namespace game {

// Pseudo-random integers. reseed() mixes the uptime with a counter of its own that changes at every
// seeding, so two seedings in the same millisecond still differ.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::int32_t uptimeMs) = 0;
    // Uniform from low to high, both included.
    virtual std::int32_t between(std::int32_t low, std::int32_t high) = 0;
};

} // namespace game
