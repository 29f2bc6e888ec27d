#pragma once

#include "game/uptime.h"

namespace platform {

// Milliseconds of the system's monotonic clock, kept as the counter the game expects: the low 32 bits,
// held signed.
class MonotonicUptime : public game::Uptime {
public:
    [[nodiscard]] std::int32_t uptimeMs() const override;
};

} // namespace platform
