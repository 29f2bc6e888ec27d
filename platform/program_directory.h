#pragma once

#include <string>

namespace platform {

// The directory that holds the running program's own file, symlinks resolved, without a trailing
// slash (except for "/"). Empty if it cannot be found.
[[nodiscard]] std::string programDirectory();

} // namespace platform
