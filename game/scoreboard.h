#pragma once

#include <cstdint>

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/uptime.h"

namespace game {

// Seconds between two uptime readings. The 32-bit counter turns negative after 2^31 ms and wraps after
// 2^32 ms, so the difference is taken modulo 2^32: a game that spans either moment still measures right.
[[nodiscard]] double elapsedSeconds(std::int32_t startTick, std::int32_t now);

// The four read-outs of the right-hand panel. Holds no state: it turns the game's counters and the
// uptime into captions.
class Scoreboard {
public:
    Scoreboard(GameHost& host, const Uptime& uptime)
        : m_host(host)
        , m_uptime(uptime)
    { }

    // Letters launched in this game.
    void showPracticeCount(const GameState& state);
    // Accuracy (hits per launched letter, in percent), then speed (hits per second since Start).
    void showHitStats(const GameState& state);
    // Whole seconds since Start: the clock's tick.
    void showPracticeTime(const GameState& state);

private:
    void showAccuracy(const GameState& state);
    void showSpeed(const GameState& state);

    GameHost& m_host;
    const Uptime& m_uptime;
};

} // namespace game
