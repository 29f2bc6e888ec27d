#include "app/platform_shell.h"

#include <filesystem>
#include <system_error>

#include <QApplication>

#include "app/exit_routines.h"
#include "app/fatal_error.h"
#include "app/program_icon.h"
#include "platform/program_directory.h"
#include "ui/font_substitution.h"
#include "ui/main_window.h"

namespace app {

namespace {

// The command line is ignored: Qt sees only the program's name.
int g_argc = 1;
char g_programName[] = "zorvane";
char* g_argv[] = {g_programName, nullptr};

void enterProgramDirectory()
{
    std::error_code error;
    std::filesystem::current_path(platform::programDirectory(), error);
    if (error)
        fatalError("cannot enter the program's directory: " + error.message());
}

} // namespace

PlatformShell::PlatformShell()
{
    enterProgramDirectory();
    m_application = std::make_unique<QApplication>(g_argc, g_argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.5.0.0"));
    QApplication::setOrganizationName(QStringLiteral("Qorvin"));
    QApplication::setDesktopFileName(QStringLiteral("zorvane"));
    QApplication::setWindowIcon(programIcon());
    // Closing the last window ends the loop; the loop is only entered once a window exists.
    QApplication::setQuitOnLastWindowClosed(true);
    ui::installFontSubstitutions();
}

PlatformShell::~PlatformShell() = default;

void PlatformShell::loadStartupWindow(ui::MainWindow& window, const std::function<void()>& created)
{
    m_window = &window;
    created();
    if (m_window)
        m_window->showCentred();
}

void PlatformShell::runMessageLoop()
{
    m_loopEntered = true;
    if (!m_window || !m_window->isVisible())
        return;
    m_quitCode = QApplication::exec();
}

int PlatformShell::shutdown()
{
    exitRoutines().runAll();
    while (!m_windowSide.empty())
        m_windowSide.pop_back();
    m_application.reset();
    m_libraries.clear();
    return m_quitCode;
}

void PlatformShell::holdWindowSide(std::shared_ptr<void> object) { m_windowSide.push_back(std::move(object)); }

void PlatformShell::holdLibrary(std::shared_ptr<void> library) { m_libraries.push_back(std::move(library)); }

} // namespace app
