#pragma once

#include <cstdint>

namespace game {

// Milliseconds since the system started, as a 32-bit count held signed: it turns negative after
// 2^31 ms and wraps to 0 after 2^32 ms.
class Uptime {
public:
    virtual ~Uptime() = default;
    [[nodiscard]] virtual std::int32_t uptimeMs() const = 0;
};

} // namespace game
