#pragma once

#include <string>

namespace ui {

// Rules of the level box 编辑框_级别设置, kept apart from the widget so they can be tested alone.

// Typing: control characters pass, of the others only the digits 0-9 are accepted.
[[nodiscard]] bool acceptsTypedCharacter(char32_t c);

// The leading decimal integer of a text: leading blanks and a sign allowed, reading stops at the
// first non-digit, no digits give 0. Saturates instead of overflowing.
[[nodiscard]] long long leadingInteger(const std::string& text);

// The text the box takes when it loses the focus: the value clamped to 0..255, without leading
// zeros, and "0" becomes the empty text.
[[nodiscard]] std::string normalisedLevelText(const std::string& text);

// The spin buttons cycle through 1..10 in both directions.
[[nodiscard]] int levelAfterSpinUp(const std::string& text);
[[nodiscard]] int levelAfterSpinDown(const std::string& text);

} // namespace ui
