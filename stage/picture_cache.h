#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stage/color.h"
#include "stage/font.h"
#include "stage/picture.h"
#include "stage/text_rasterizer.h"

namespace stage {

// Decoded pictures and rendered texts, kept so that a hundred sprites showing the same picture or
// character decode and draw it once.
class PictureCache {
public:
    explicit PictureCache(TextRasterizer& rasterizer);

    // A GIF picture with its transparency rule: kNoTransparency (or kDefaultColor), kTopLeftTransparent or a colour.
    PicturePtr gif(std::span<const unsigned char> bytes, Color transparency);
    PicturePtr text(std::string_view text, const std::optional<Font>& font, Color color);

private:
    struct GifEntry {
        std::vector<unsigned char> bytes; // to tell a reused buffer from the one decoded
        Color transparency;
        PicturePtr picture;
    };
    static constexpr std::size_t kMaxEntries = 256;

    TextRasterizer& m_rasterizer;
    std::unordered_multimap<const unsigned char*, GifEntry> m_gifs;
    std::unordered_map<std::string, PicturePtr> m_texts;
};

} // namespace stage
