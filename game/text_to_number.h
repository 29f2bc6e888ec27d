#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace game {

// The leading decimal number of a UTF-8 text, as the level box is read: leading white space is
// skipped, then an optional sign, digits, an optional point and fraction and an optional exponent;
// reading stops at the first character that does not fit. Full-width digits, signs and points count
// as their ASCII forms. A text without a leading number gives 0; a number too large for a double
// gives an infinity of its sign.
[[nodiscard]] double textToNumber(std::string_view utf8);

// The text with every full-width digit, plus, minus and point replaced by its ASCII form.
[[nodiscard]] std::string foldFullWidthDigits(std::string_view utf8);

// A real as a 32-bit integer: truncated toward zero, then the low 32 bits of the 64-bit result.
// A value beyond the 64-bit range, or not a number, gives 0.
[[nodiscard]] std::int32_t toInt32Truncated(double value);

} // namespace game
