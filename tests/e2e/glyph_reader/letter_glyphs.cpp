#include "tests/e2e/glyph_reader/letter_glyphs.h"

#include <string>

#include "stage/color.h"
#include "stage/text_image.h"
#include "ui/qt_text_rasterizer.h"
#include "ui/sprite_templates.h"

namespace glyph_reader {

namespace {

InkMask inkOf(const stage::Image& image)
{
    InkMask mask;
    mask.width = image.width;
    mask.height = image.height;
    mask.ink.resize(image.pixels.size());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mask.ink[static_cast<std::size_t>(y) * image.width + x] = image.isOpaque(x, y) ? 1 : 0;
    return cropToInk(mask);
}

} // namespace

std::vector<LetterGlyph> letterGlyphs()
{
    const auto font = ui::letterTemplate().font;
    ui::QtTextRasterizer rasterizer;
    std::string characters;
    for (char c = '0'; c <= '9'; ++c)
        characters += c;
    for (char c = 'A'; c <= 'Z'; ++c)
        characters += c;

    std::vector<LetterGlyph> glyphs;
    for (const char c : characters) {
        const stage::Image image = stage::renderTextImage(std::string(1, c), font, stage::rgb(255, 0, 0), rasterizer);
        glyphs.push_back({c, inkOf(image)});
    }
    return glyphs;
}

} // namespace glyph_reader
