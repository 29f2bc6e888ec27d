#include "app/skin_startup.h"

#include <memory>

#include "app/fatal_error.h"
#include "app/platform_shell.h"
#include "app/skin_attachment.h"
#include "platform/program_directory.h"

namespace app {

void attachSkinAtStartup(PlatformShell& shell)
{
    auto engine = std::make_shared<SkinEngine>(
        platform::programDirectory(), [](const std::string& message) { fatalError(message); });
    shell.holdLibrary(engine);
    onMainWindowCreated(*engine);
}

} // namespace app
