#pragma once

#include <cstdint>
#include <random>

#include "game/random_source.h"

namespace platform {

// Mersenne twister reseeded from the uptime mixed with a counter that moves at every seeding, so two
// seedings within one millisecond still give different sequences.
class SeededRandom : public game::RandomSource {
public:
    void reseed(std::int32_t uptimeMs) override;
    std::int32_t between(std::int32_t low, std::int32_t high) override;

private:
    std::mt19937 m_engine;
    std::uint32_t m_seedings = 0;
};

} // namespace platform
