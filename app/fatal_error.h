#pragma once

#include <string>

namespace app {

// Ends the program after a failure it cannot go on from: shows a message box naming the error (and
// prints it to stderr), waits for it to be dismissed, drops the exit routines without running them,
// releases what the platform holds and ends the process with exit code -1.
[[noreturn]] void fatalError(const std::string& message);

} // namespace app
