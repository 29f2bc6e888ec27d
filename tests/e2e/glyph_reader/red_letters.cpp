#include "tests/e2e/glyph_reader/red_letters.h"

#include <algorithm>

namespace glyph_reader {

namespace {

// The pure-red pixels of one lane's strip of the stage, as a mask with the strip's top-left at (0, 0).
InkMask redStrip(const QImage& shot, QPoint origin, int left)
{
    InkMask strip;
    strip.width = kLetterWidth;
    strip.height = kStageSize;
    strip.ink.assign(static_cast<std::size_t>(strip.width) * strip.height, 0);
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < strip.width; ++x) {
            const QPoint p = origin + QPoint(left + x, y);
            if (shot.valid(p) && (shot.pixel(p) & 0xFFFFFFu) == 0xFF0000u)
                strip.ink[static_cast<std::size_t>(y) * strip.width + x] = 1;
        }
    }
    return strip;
}

// Takes the 8-connected blob at (x, y) out of the strip and returns it, uncropped, in strip coordinates.
InkMask takeBlob(InkMask& strip, int x, int y)
{
    InkMask blob {strip.width, strip.height, std::vector<std::uint8_t>(strip.ink.size(), 0)};
    std::vector<QPoint> pending {{x, y}};
    strip.ink[static_cast<std::size_t>(y) * strip.width + x] = 0;
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        blob.ink[static_cast<std::size_t>(p.y()) * blob.width + p.x()] = 1;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (!strip.at(p.x() + dx, p.y() + dy))
                    continue;
                strip.ink[static_cast<std::size_t>(p.y() + dy) * strip.width + p.x() + dx] = 0;
                pending.push_back({p.x() + dx, p.y() + dy});
            }
        }
    }
    return blob;
}

// Where the blob's ink starts, within the strip.
QPoint inkCorner(const InkMask& blob)
{
    QPoint corner(blob.width, blob.height);
    for (int y = 0; y < blob.height; ++y) {
        for (int x = 0; x < blob.width; ++x) {
            if (blob.at(x, y))
                corner = {std::min(corner.x(), x), std::min(corner.y(), y)};
        }
    }
    return corner;
}

} // namespace

std::vector<RedBlob> findRedBlobs(const QImage& shot, QPoint stageOrigin, int minPixels)
{
    std::vector<RedBlob> blobs;
    for (int lane = 1; lane <= kLaneCount; ++lane) {
        const int left = lane * kLaneWidth;
        InkMask strip = redStrip(shot, stageOrigin, left);
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < strip.width; ++x) {
                if (!strip.at(x, y))
                    continue;
                const InkMask blob = takeBlob(strip, x, y);
                if (blob.count() >= minPixels)
                    blobs.push_back({lane, inkCorner(blob) + QPoint(left, 0), cropToInk(blob)});
            }
        }
    }
    return blobs;
}

} // namespace glyph_reader
