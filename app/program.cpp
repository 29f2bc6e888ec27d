#include "app/program.h"

#include "app/exit_routines.h"
#include "app/game_session.h"
#include "app/platform_shell.h"
#include "app/skin_startup.h"
#include "ui/main_window.h"

namespace app {

Program::Program(PlatformShell& shell)
    : m_shell(shell)
{ }

int Program::programMain()
{
    createFallingLetters();
    exitRoutines().add("releaseFallingLetters", [this] { releaseFallingLetters(); });
    startupRoutine();
    loadMainWindow();
    m_shell.runMessageLoop();
    return 0;
}

void Program::createFallingLetters() { m_fallingLetters = std::make_unique<game::FallingLetters>(); }

void Program::releaseFallingLetters()
{
    if (!m_fallingLetters)
        return;
    m_fallingLetters->clearLetters();
    m_fallingLetters.reset();
}

int Program::startupRoutine() { return 0; }

void Program::loadMainWindow()
{
    auto machine = std::make_shared<RealMachine>();
    auto window = std::make_shared<ui::MainWindow>();
    auto session = std::make_shared<GameSession>(*window, *m_fallingLetters, machine->machine());
    machine->drive(*session, *window);
    m_shell.holdWindowSide(machine);
    m_shell.holdWindowSide(window);
    m_shell.holdWindowSide(session);
    m_shell.loadStartupWindow(*window, [this] { attachSkinAtStartup(m_shell); });
}

} // namespace app
