#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The window asks for two Windows faces by name. Linux has neither, so each is mapped on purpose to
// a Debian face that draws the same kind of text: 微软雅黑 (a CJK sans) to WenQuanYi Micro Hei or
// Noto Sans CJK SC, Arial Black (a heavy Latin face) to DejaVu Sans at black weight.
// Call once after the QApplication exists; it also sets the default GUI font.
void installFontSubstitutions();

// A font as the window's description requests it: face name, character height in pixels, weight.
// Heavy faces keep their heaviness even though the request says normal weight.
[[nodiscard]] QFont requestedFont(const QString& face, int pixelHeight, int weight = QFont::Normal);

// The default GUI font, for controls without a font of their own.
[[nodiscard]] QFont defaultGuiFont();

} // namespace ui
