#include "tests/e2e/glyph_reader/glyph_matcher.h"

#include <algorithm>

namespace glyph_reader {

namespace {

constexpr int kShift = 2;

// Shared ink over all ink with the glyph's corner at (dx, dy) in the blob's coordinates.
double overlap(const InkMask& blob, const InkMask& glyph, int dx, int dy)
{
    const int left = std::min(0, dx), top = std::min(0, dy);
    const int right = std::max(blob.width, dx + glyph.width), bottom = std::max(blob.height, dy + glyph.height);
    int shared = 0, any = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const bool inBlob = blob.at(x, y), inGlyph = glyph.at(x - dx, y - dy);
            shared += inBlob && inGlyph ? 1 : 0;
            any += inBlob || inGlyph ? 1 : 0;
        }
    }
    return any == 0 ? 0.0 : static_cast<double>(shared) / any;
}

} // namespace

GlyphMatch matchGlyph(const InkMask& blob, const std::vector<LetterGlyph>& glyphs)
{
    GlyphMatch best;
    for (const LetterGlyph& glyph : glyphs) {
        for (int dy = -kShift; dy <= kShift; ++dy) {
            for (int dx = -kShift; dx <= kShift; ++dx) {
                const double score = overlap(blob, glyph.ink, dx, dy);
                if (score > best.score)
                    best = {glyph.character, score};
            }
        }
    }
    return best;
}

} // namespace glyph_reader
