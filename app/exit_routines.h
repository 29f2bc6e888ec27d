#pragma once

#include <functional>
#include <string>
#include <vector>

namespace app {

// The routines to run once, in the order they were added, during an orderly shutdown after the
// message loop has ended. A fatal error drops them without running them.
class ExitRoutines {
public:
    // Adds a routine under a name; adding a name that is already listed changes nothing.
    void add(const std::string& name, std::function<void()> routine);
    // Runs every routine once, in order, and empties the list.
    void runAll();
    // Empties the list without running anything.
    void clear();
    [[nodiscard]] std::size_t size() const { return m_routines.size(); }

private:
    std::vector<std::pair<std::string, std::function<void()>>> m_routines;
};

// The process's one list, which the fatal-error routine also reaches.
ExitRoutines& exitRoutines();

} // namespace app
