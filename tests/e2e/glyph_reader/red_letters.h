#pragma once

#include <vector>

#include <QImage>
#include <QPoint>

#include "tests/e2e/glyph_reader/ink_mask.h"

namespace glyph_reader {

// A group of connected pure-red pixels inside one lane of the stage.
struct RedBlob {
    int lane = 0; // 1 to 10
    QPoint topLeft; // stage coordinates of the ink's top-left corner
    InkMask ink; // cropped to the ink
};

// The stage's lanes as the game lays them out: lane k starts at x = 42 k and a letter is at most 40 wide.
inline constexpr int kLaneCount = 10;
inline constexpr int kLaneWidth = 42;
inline constexpr int kLetterWidth = 40;
inline constexpr int kStageSize = 510;

// Finds the red blobs (letters are drawn in #FF0000 without antialiasing) in every lane of the stage
// whose drawing area starts at stageOrigin in the screenshot. Blobs smaller than minPixels are dropped.
[[nodiscard]] std::vector<RedBlob> findRedBlobs(const QImage& shot, QPoint stageOrigin, int minPixels);

} // namespace glyph_reader
