#pragma once

#include <span>

// What the program carries inside itself and writes out at start: the skin engine library, written as
// "jedata.dll", and the skin file, written as "皮肤.she".
namespace skin {

[[nodiscard]] std::span<const unsigned char> skinEngineData();
[[nodiscard]] std::span<const unsigned char> skinFileData();

} // namespace skin
