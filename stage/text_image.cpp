#include "stage/text_image.h"

#include <algorithm>

#include "stage/picture.h"

namespace stage {
namespace {

constexpr int kLineGap = 2;

// Copies the ink of one line into the image at row top; the rest stays transparent.
void inkLine(const InkLine& line, int top, std::uint32_t ink, Image& image)
{
    const int width = std::min(line.width, image.width);
    for (int y = 0; y < line.height && top + y < image.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t source = static_cast<std::size_t>(y) * line.width + x;
            if (source < line.ink.size() && line.ink[source] != 0)
                image.pixels[static_cast<std::size_t>(top + y) * image.width + x] = ink;
        }
    }
}

} // namespace

std::vector<std::string_view> splitTextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        std::string_view line = text.substr(start, feed - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = feed + 1;
    }
    return lines;
}

Image renderTextImage(std::string_view text, const std::optional<Font>& font, Color color, TextRasterizer& rasterizer)
{
    std::vector<InkLine> lines;
    for (std::string_view line : splitTextLines(text))
        lines.push_back(rasterizer.drawLine(line, font));

    Image image;
    for (const InkLine& line : lines) {
        image.width = std::max(image.width, std::max(line.width, 0));
        image.height += std::max(line.height, 0);
    }
    if (!lines.empty())
        image.height += kLineGap * static_cast<int>(lines.size() - 1);
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0u);

    // The ground is the fill colour (white, or black for white text), which is the transparent colour;
    // drawn pixels all take the exact text colour.
    const std::uint32_t ink = pixelFromColor(color);
    int top = 0;
    for (const InkLine& line : lines) {
        inkLine(line, top, ink, image);
        top += std::max(line.height, 0) + kLineGap;
    }
    return image;
}

} // namespace stage
