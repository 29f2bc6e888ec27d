#pragma once

#include <vector>

#include "tests/e2e/glyph_reader/ink_mask.h"

namespace glyph_reader {

// One character the game lets fall, and the ink it leaves on the stage.
struct LetterGlyph {
    char character = 0;
    InkMask ink; // cropped to the ink
};

// The 36 falling characters 0-9 and A-Z, drawn exactly as the game draws its letters: the letter
// template's font through the game's own text rasteriser. Needs a QApplication.
[[nodiscard]] std::vector<LetterGlyph> letterGlyphs();

} // namespace glyph_reader
