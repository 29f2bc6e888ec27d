#pragma once

#include "skin/skin.h"

#include <filesystem>
#include <optional>
#include <string>

// The readable form of a skin: a folder holding style.qss (the style sheet, kept byte for byte) and
// skin.ini (name, frame metrics, colours and, for a protected skin, its salt and password hash).
namespace skin_packer {

struct SourceResult {
    std::optional<skin::Skin> skin;
    std::string error; // set when skin is empty
};

[[nodiscard]] SourceResult readSkinSource(const std::filesystem::path& folder);

// Writes the folder so that reading it back gives the same skin; false if a file cannot be written.
[[nodiscard]] bool writeSkinSource(const skin::Skin& skin, const std::filesystem::path& folder);

} // namespace skin_packer
