#pragma once

#include <QImage>
#include <QPoint>

namespace glyph_reader {

// Counts the orange and yellow pixels (red above 200, green 80 to 220, blue below 80) in the stage whose
// drawing area starts at stageOrigin: the colours of an explosion's fire, which letters, missiles and the
// white ground never have.
[[nodiscard]] int countFirePixels(const QImage& shot, QPoint stageOrigin);

} // namespace glyph_reader
