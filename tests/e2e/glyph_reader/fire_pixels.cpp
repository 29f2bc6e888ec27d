#include "tests/e2e/glyph_reader/fire_pixels.h"

#include "tests/e2e/glyph_reader/red_letters.h"

namespace glyph_reader {

namespace {

bool isFire(QRgb c) { return qRed(c) > 200 && qGreen(c) >= 80 && qGreen(c) <= 220 && qBlue(c) < 80; }

} // namespace

int countFirePixels(const QImage& shot, QPoint stageOrigin)
{
    int count = 0;
    for (int y = 0; y < kStageSize; ++y) {
        for (int x = 0; x < kStageSize; ++x) {
            const QPoint p = stageOrigin + QPoint(x, y);
            count += shot.valid(p) && isFire(shot.pixel(p)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace glyph_reader
