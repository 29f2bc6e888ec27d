#include "app/platform_shell.h"
#include "app/program.h"

int main()
{
    app::PlatformShell shell;
    app::Program program(shell);
    program.programMain();
    return shell.shutdown();
}
