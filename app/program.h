#pragma once

#include <memory>

#include "game/falling_letters.h"

namespace app {

class PlatformShell;

// The program's own routines around its life: the entry routine and the list of falling letters
// that lives from start-up until the exit routine releases it.
class Program {
public:
    explicit Program(PlatformShell& shell);

    // The whole start-up, the message loop, and back; always 0.
    int programMain();

    void createFallingLetters();
    void releaseFallingLetters();
    // The program's own start-up routine: it has nothing to do.
    int startupRoutine();

    [[nodiscard]] game::FallingLetters* fallingLetters() const { return m_fallingLetters.get(); }

private:
    void loadMainWindow();

    PlatformShell& m_shell;
    std::unique_ptr<game::FallingLetters> m_fallingLetters;
};

} // namespace app
