#pragma once

#include "platform/library_binding.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace app {

// The binding of the skin engine's one entry, attachSkinEx in "jedata.dll". The library is looked for in
// the program's directory first; it is loaded on the first attach and unloaded when this object goes,
// which the program arranges for after its exit routines have run.
class SkinEngine {
public:
    using FailureReporter = platform::LibraryBinding::FailureReporter;

    // onFailure is told when the library or its entry cannot be bound (the program passes fatalError).
    SkinEngine(std::string programDirectory, FailureReporter onFailure);

    // Binds the entry if needed and calls it; empty if it cannot be bound.
    std::optional<std::int32_t> attachSkinEx(const std::string& skinPath, const std::string& password);

private:
    platform::LibraryBinding m_binding;
};

// What the program writes beside itself.
struct SkinFiles {
    std::span<const unsigned char> engine; // written as "jedata.dll"
    std::span<const unsigned char> skin; // written as "皮肤.she"
};

// The files the program carries inside itself.
[[nodiscard]] SkinFiles embeddedSkinFiles();

// The main window's created event: writes the engine and the skin into the current directory, marks
// both hidden and system, and attaches the skin. The results of all five steps are ignored.
void onMainWindowCreated(SkinEngine& engine, const SkinFiles& files = embeddedSkinFiles());

} // namespace app
