#include "app/skin_startup.h"

#include "app/platform_shell.h"

namespace app {

void attachSkinAtStartup(PlatformShell& /*shell*/)
{
}

} // namespace app
