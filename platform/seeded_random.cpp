#include "platform/seeded_random.h"

namespace platform {

void SeededRandom::reseed(std::int32_t uptimeMs)
{
    ++m_seedings;
    std::seed_seq seed {static_cast<std::uint32_t>(uptimeMs), m_seedings};
    m_engine.seed(seed);
}

std::int32_t SeededRandom::between(std::int32_t low, std::int32_t high)
{
    if (high < low)
        return low;
    return std::uniform_int_distribution<std::int32_t>(low, high)(m_engine);
}

} // namespace platform
