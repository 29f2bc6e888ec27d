#pragma once

#include <vector>

#include "tests/e2e/glyph_reader/ink_mask.h"
#include "tests/e2e/glyph_reader/letter_glyphs.h"

namespace glyph_reader {

// The glyph that covers a blob best, and how well: the shared ink over all ink of the two
// (1 for a perfect match, 0 for nothing in common).
struct GlyphMatch {
    char character = 0;
    double score = 0.0;
};

// Tries every glyph on the blob, its top-left corner shifted up to two pixels each way from the blob's.
[[nodiscard]] GlyphMatch matchGlyph(const InkMask& blob, const std::vector<LetterGlyph>& glyphs);

} // namespace glyph_reader
