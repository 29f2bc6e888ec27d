#pragma once

class QKeyEvent;

namespace ui {

// The stage's key event reports keys as Windows virtual-key codes: the main-row digits are 48-57
// and the letters 65-90 whatever Shift and Caps Lock say, the keypad digits with Num Lock are 48-57
// as well, and keypad minus, point and slash are 189, 190, 191. Other keys give their own codes
// (F1 112, arrows 37-40, ...) or 0 when they have none the game could ask for.
[[nodiscard]] int virtualKeyCode(const QKeyEvent& event);

// Ctrl 1 + Shift 2 + Alt 4.
[[nodiscard]] int modifierState(const QKeyEvent& event);

} // namespace ui
