#pragma once

#include <cstdint>

namespace skin {

// What attachSkinEx returns: 0 when the skin is attached, one distinct code for each way it can fail.
// Every failure leaves the application exactly as it was.
enum class AttachResult : std::int32_t {
    Attached = 0,
    UnreadableFile = 1, // the skin file cannot be opened or read
    BadMagic = 2, // the file does not begin with ".SHE"
    BadVersion = 3, // a format version or flag this engine does not know
    DamagedContent = 4, // checksum mismatch, truncation, a length past the end, a missing or bad section
    WrongPassword = 5, // the skin is protected and the password does not match
    NoApplication = 6, // no QApplication lives on the calling thread
    OutOfMemory = 7, // memory ran out while reading the skin; nothing was changed
};

} // namespace skin
