#pragma once

#include <cstdint>

#include "game/uptime.h"

namespace fakes {

// A millisecond clock that moves only when a test moves it. It also serves as the uptime counter,
// read as the low 32 bits of its time plus an offset, so tests can place a game near the counter's wrap.
class ManualClock : public game::Uptime {
public:
    std::int64_t nowMs = 0;
    std::uint32_t uptimeOffset = 1'000'000;

    [[nodiscard]] std::int32_t uptimeMs() const override
    {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(nowMs) + uptimeOffset);
    }
};

} // namespace fakes
