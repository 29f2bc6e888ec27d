#include "app/exit_routines.h"

#include <algorithm>
#include <utility>

namespace app {

void ExitRoutines::add(const std::string& name, std::function<void()> routine)
{
    const bool listed
        = std::any_of(m_routines.begin(), m_routines.end(), [&name](const auto& entry) { return entry.first == name; });
    if (!listed)
        m_routines.emplace_back(name, std::move(routine));
}

void ExitRoutines::runAll()
{
    // Taken out first, so a routine that adds another cannot make the list run twice.
    auto routines = std::exchange(m_routines, {});
    for (auto& [name, routine] : routines)
        routine();
}

void ExitRoutines::clear() { m_routines.clear(); }

ExitRoutines& exitRoutines()
{
    static ExitRoutines routines;
    return routines;
}

} // namespace app
