#pragma once

#include "skin/attach_result.h"
#include "skin/skin.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Reading and writing .she skin files; the layout is described in skin/FORMAT.md.
namespace skin {

inline constexpr std::uint16_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kVersionOffset = 4;
inline constexpr std::size_t kFlagsOffset = 6;
inline constexpr std::size_t kContentLengthOffset = 8;
inline constexpr std::size_t kChecksumOffset = 12;
inline constexpr std::uint16_t kFlagPasswordProtected = 0x0001;
inline constexpr std::size_t kPasswordBlockSize = 48;
inline constexpr std::size_t kSectionHeaderSize = 8;
inline constexpr std::size_t kFrameSectionSize = 20;
inline constexpr std::size_t kMaxSkinFileSize = std::size_t(1) << 20;

// Section tags: four ASCII bytes, read as a little-endian 32-bit number.
constexpr std::uint32_t sectionTag(const char (&text)[5])
{
    return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8
        | std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}
inline constexpr std::uint32_t kNameTag = sectionTag("NAME");
inline constexpr std::uint32_t kFrameTag = sectionTag("FRAM");
inline constexpr std::uint32_t kColourTag = sectionTag("COLR");
inline constexpr std::uint32_t kStyleSheetTag = sectionTag("QSS ");

struct ParsedSkin {
    AttachResult result = AttachResult::DamagedContent;
    std::optional<Skin> skin; // set exactly when result is Attached
};

// Checks every byte of a skin file and, when it is sound and the password opens it, returns its content.
// Never reads outside the span, whatever it holds.
[[nodiscard]] ParsedSkin parseSkin(std::span<const unsigned char> file, std::string_view password);

// As parseSkin, but a protected skin is read without its password, its lock kept as it is. For the packer,
// which unpacks a skin to its source folder; the engine always checks the password.
[[nodiscard]] ParsedSkin parseSkinWithoutPassword(std::span<const unsigned char> file);

// The file for a skin in the canonical layout: header, password block, NAME (if any), FRAM, COLR, QSS.
[[nodiscard]] std::vector<unsigned char> writeSkin(const Skin& skin);

} // namespace skin
