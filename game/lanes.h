#pragma once

namespace game {

// The stage's ten lanes, numbered 1 to 10; lane k's left edge lies at x = 42 * k.
inline constexpr int kLaneCount = 10;
inline constexpr int kLaneWidth = 42;

constexpr int laneX(int column) { return column * kLaneWidth; }

} // namespace game
