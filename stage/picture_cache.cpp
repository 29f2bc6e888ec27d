#include "stage/picture_cache.h"

#include <algorithm>

#include "stage/gif_decoder.h"
#include "stage/stage.h"
#include "stage/text_image.h"

namespace stage {
namespace {

std::uint32_t colorKeyFor(const std::vector<RawFrame>& frames, Color transparency)
{
    if (transparency == kNoTransparency || transparency == kDefaultColor)
        return kNoColorKey;
    if (transparency != kTopLeftTransparent)
        return pixelFromColor(transparency);
    if (frames.empty() || frames.front().image.isEmpty() || !frames.front().image.isOpaque(0, 0))
        return kNoColorKey;
    return frames.front().image.pixel(0, 0);
}

std::string textKey(std::string_view text, const std::optional<Font>& font, Color color)
{
    std::string key(text);
    key += '\0';
    if (font) {
        key += font->face;
        key += '\0' + std::to_string(font->pixelHeight) + '/' + std::to_string(font->weight) + '/'
            + std::to_string(font->charset);
    }
    key += '\0' + std::to_string(color & 0xFFFFFFu);
    return key;
}

} // namespace

PictureCache::PictureCache(TextRasterizer& rasterizer)
    : m_rasterizer(rasterizer)
{ }

PicturePtr PictureCache::gif(std::span<const unsigned char> bytes, Color transparency)
{
    auto [first, last] = m_gifs.equal_range(bytes.data());
    for (auto it = first; it != last; ++it) {
        const GifEntry& entry = it->second;
        if (entry.transparency == transparency && std::ranges::equal(entry.bytes, bytes))
            return entry.picture;
    }
    std::vector<RawFrame> frames = decodeGif(bytes);
    const std::uint32_t key = colorKeyFor(frames, transparency);
    PicturePtr picture = makePicture(std::move(frames), key);
    if (m_gifs.size() >= kMaxEntries)
        m_gifs.clear();
    m_gifs.emplace(bytes.data(), GifEntry {{bytes.begin(), bytes.end()}, transparency, picture});
    return picture;
}

PicturePtr PictureCache::text(std::string_view text, const std::optional<Font>& font, Color color)
{
    std::string key = textKey(text, font, color);
    if (auto it = m_texts.find(key); it != m_texts.end())
        return it->second;
    std::vector<RawFrame> frames;
    frames.push_back({renderTextImage(text, font, color, m_rasterizer), kDefaultFrameDelayMs});
    PicturePtr picture = makePicture(std::move(frames));
    if (m_texts.size() >= kMaxEntries)
        m_texts.clear();
    m_texts.emplace(std::move(key), picture);
    return picture;
}

} // namespace stage
