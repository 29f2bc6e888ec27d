#pragma once

#include "skin/password_lock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skin {

// Sizes of the caption bar and the frame, in pixels. The caption sits inside the top border.
struct FrameMetrics {
    std::uint16_t captionHeight = 0;
    std::uint16_t borderLeft = 0;
    std::uint16_t borderTop = 0;
    std::uint16_t borderRight = 0;
    std::uint16_t borderBottom = 0;
    std::uint16_t buttonWidth = 0; // the minimise and close buttons of the caption
    std::uint16_t buttonHeight = 0;
    std::uint16_t buttonSpacing = 0;
    std::uint16_t iconSize = 0; // 0: the caption shows no icon
    std::uint16_t buttonRadius = 0;

    bool operator==(const FrameMetrics&) const = default;
};

// True when every metric lies in the range the engine can draw.
[[nodiscard]] bool metricsAreDrawable(const FrameMetrics& metrics);

// The colours a skin gives, by role. The values are stored in the file; never renumber them.
enum class ColourRole : std::uint32_t {
    CaptionTop = 1,
    CaptionBottom = 2,
    CaptionText = 3,
    InactiveCaptionTop = 4,
    InactiveCaptionBottom = 5,
    InactiveCaptionText = 6,
    FrameOutline = 7,
    FrameFill = 8,
    FrameInner = 9,
    ButtonHover = 10,
    ButtonPressed = 11,
    CloseHover = 12,
    Window = 13, // the panel colour ("button face") that plain labels fill with
    WindowText = 14,
    Base = 15,
    Text = 16,
    Button = 17,
    ButtonText = 18,
    Highlight = 19,
    HighlightedText = 20,
};
inline constexpr std::size_t kColourRoleCount = 20;

// The role's name in a skin's source folder ("caption_top"); empty for a value outside the enum.
[[nodiscard]] std::string_view colourRoleName(ColourRole role);
[[nodiscard]] std::optional<ColourRole> colourRoleFromName(std::string_view name);

// Everything the engine needs to draw a skin. Colours are 0xAARRGGBB.
struct Skin {
    std::string name;
    FrameMetrics metrics;
    std::array<std::uint32_t, kColourRoleCount> colours {};
    std::string styleSheet;
    std::optional<PasswordLock> lock; // set for a password-protected skin

    [[nodiscard]] std::uint32_t colour(ColourRole role) const { return colours[static_cast<std::size_t>(role) - 1]; }
    void setColour(ColourRole role, std::uint32_t argb) { colours[static_cast<std::size_t>(role) - 1] = argb; }
    bool operator==(const Skin&) const = default;
};

} // namespace skin
