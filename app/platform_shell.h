#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QPointer>

class QApplication;

namespace ui {
class MainWindow;
}

namespace app {

// The window framework's side of the program's life: initialising, loading the start-up window,
// the message loop with its quit rule, and the orderly shutdown.
class PlatformShell {
public:
    // Initialises: the current directory becomes the directory of the program's own file, then the
    // application object, fonts and icon are set up. The command line is not read.
    PlatformShell();
    ~PlatformShell();
    PlatformShell(const PlatformShell&) = delete;
    PlatformShell& operator=(const PlatformShell&) = delete;

    // Runs created on the window while it is still hidden, then shows it centred unless it is gone.
    void loadStartupWindow(ui::MainWindow& window, const std::function<void()>& created);
    // Runs the loop until the window has been closed; returns at once if no window is alive.
    void runMessageLoop();
    // Orderly shutdown: exit routines in order, then whatever the platform holds (libraries loaded
    // for the program, windows). Returns the quit code.
    int shutdown();

    // Keeps a window-side object (the window, what is wired to it) until the orderly shutdown,
    // which destroys them after the exit routines, the last one given first.
    void holdWindowSide(std::shared_ptr<void> object);
    // Keeps a library loaded for the program until the orderly shutdown, which unloads it once
    // nothing made by it can still run (after the windows and the application object are gone).
    void holdLibrary(std::shared_ptr<void> library);

private:
    std::unique_ptr<QApplication> m_application;
    QPointer<ui::MainWindow> m_window;
    std::vector<std::shared_ptr<void>> m_windowSide;
    std::vector<std::shared_ptr<void>> m_libraries;
    bool m_loopEntered = false;
    int m_quitCode = 0;
};

} // namespace app
