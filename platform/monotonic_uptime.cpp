#include "platform/monotonic_uptime.h"

#include <ctime>

namespace platform {

std::int32_t MonotonicUptime::uptimeMs() const
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms
        = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

} // namespace platform
