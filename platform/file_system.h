#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

// File attribute bits as the program knows them from DOS and Windows.
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeHidden = 0x2;
inline constexpr std::uint32_t kAttributeSystem = 0x4;

// The absolute path of the current directory without a trailing slash (except for "/"); empty if it
// cannot be read.
[[nodiscard]] std::string currentDirectory();

// Creates the file or replaces it whole with exactly these bytes. An existing file marked read-only,
// hidden or system is left alone and the call fails. The new content is written to a temporary file
// beside the target and renamed over it, so a process that has the old file mapped keeps its copy.
// Any failure returns false and leaves no temporary file behind.
[[nodiscard]] bool writeWholeFile(const std::string& path, std::span<const unsigned char> bytes);

// Sets the file's attributes to exactly this value (bits not in it are cleared). False where the file
// or its filesystem cannot hold them.
[[nodiscard]] bool setFileAttributes(const std::string& path, std::uint32_t attributes);

// The file's attributes: 0 when none were ever set; empty when the file or its attributes cannot be read.
[[nodiscard]] std::optional<std::uint32_t> fileAttributes(const std::string& path);

} // namespace platform
