#include "ui/virtual_key.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace ui {

namespace {

// X11 key codes of the main-row digit keys 1..9, 0 (evdev scan code + 8). They name the physical
// key, so Shift+1, which Qt reports as '!', still counts as the 1 key.
constexpr quint32 kX11KeyCodeOfDigit1 = 10;
constexpr quint32 kX11KeyCodeOfDigit0 = 19;

bool scanCodesAreX11KeyCodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

int mainRowDigitFromScanCode(quint32 scanCode)
{
    if (!scanCodesAreX11KeyCodes() || scanCode < kX11KeyCodeOfDigit1 || scanCode > kX11KeyCodeOfDigit0)
        return 0;
    return scanCode == kX11KeyCodeOfDigit0 ? '0' : static_cast<int>('1' + (scanCode - kX11KeyCodeOfDigit1));
}

int keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Slash:
        return 191;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    default:
        return 0;
    }
}

int otherKeyCode(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    default:
        return 0;
    }
}

} // namespace

int virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier)
        return keypadCode(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) // Qt reports letters as capitals, with or without Shift
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (const int digit = mainRowDigitFromScanCode(event.nativeScanCode()))
        return digit;
    return otherKeyCode(key);
}

int modifierState(const QKeyEvent& event)
{
    const auto modifiers = event.modifiers();
    return (modifiers & Qt::ControlModifier ? 1 : 0) + (modifiers & Qt::ShiftModifier ? 2 : 0)
        + (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace ui
