#include "skin/skin.h"

namespace skin {
namespace {

constexpr std::array<std::string_view, kColourRoleCount> kRoleNames = {
    "caption_top",
    "caption_bottom",
    "caption_text",
    "inactive_caption_top",
    "inactive_caption_bottom",
    "inactive_caption_text",
    "frame_outline",
    "frame_fill",
    "frame_inner",
    "button_hover",
    "button_pressed",
    "close_hover",
    "window",
    "window_text",
    "base",
    "text",
    "button",
    "button_text",
    "highlight",
    "highlighted_text",
};

bool within(std::uint16_t value, std::uint16_t low, std::uint16_t high) { return value >= low && value <= high; }

} // namespace

bool metricsAreDrawable(const FrameMetrics& m)
{
    return within(m.captionHeight, 16, 64) && m.borderLeft <= 16 && m.borderTop <= 16 && m.borderRight <= 16
        && m.borderBottom <= 16 && within(m.buttonWidth, 8, 64) && within(m.buttonHeight, 8, m.captionHeight)
        && m.buttonSpacing <= 16 && m.iconSize <= m.captionHeight && m.buttonRadius <= m.buttonHeight / 2;
}

std::string_view colourRoleName(ColourRole role)
{
    const auto index = static_cast<std::size_t>(role);
    if (index < 1 || index > kColourRoleCount)
        return {};
    return kRoleNames[index - 1];
}

std::optional<ColourRole> colourRoleFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kRoleNames.size(); ++i) {
        if (kRoleNames[i] == name)
            return static_cast<ColourRole>(i + 1);
    }
    return std::nullopt;
}

} // namespace skin
