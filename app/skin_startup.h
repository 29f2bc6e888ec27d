#pragma once

namespace app {

class PlatformShell;

// The main window's created event: writes the skin files beside the program and attaches the skin
// engine, whose library the shell keeps loaded until the orderly shutdown.
void attachSkinAtStartup(PlatformShell& shell);

} // namespace app
