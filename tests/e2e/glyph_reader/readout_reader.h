#pragma once

#include <optional>

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace glyph_reader {

// What a read-out shows and how closely our own drawing of that text matches it (1 for a perfect match).
struct Reading {
    QString text;
    double score = 0.0;
};

// Reads the whole number a label shows in box: dark text, left-aligned and centred vertically on a
// plain ground, in the given font, antialiased. The digits are found one at a time from the left, each the
// digit whose drawing together with those already found matches the picture best; reading stops when
// one more digit would match worse. Nothing when the box holds no text. Needs a QGuiApplication.
[[nodiscard]] std::optional<Reading> readNumber(const QImage& shot, QRect box, const QFont& font);

} // namespace glyph_reader
