#pragma once

#include <cstdint>
#include <string>

namespace game {

// The only rules by which numbers are shown to the player.

// Plain decimal: a minus sign before a negative value, no leading zeros, no grouping.
[[nodiscard]] std::string integerText(std::int32_t value);

// Rounds to the given number of decimals, halves away from zero. A hair (1e-12) is added before the
// split so that a product that floating-point error left just below a half still goes up.
[[nodiscard]] double roundDecimals(double value, std::int32_t digits);

// General notation with 13 significant digits: plain decimal for decimal exponents -4..12, exponent
// notation beyond, trailing zeros dropped. Negative values, negative zero included, keep their minus sign.
// Independent of the C locale, so the decimal point is always a point.
[[nodiscard]] std::string realText(double value);

} // namespace game
