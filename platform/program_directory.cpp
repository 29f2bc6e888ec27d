#include "platform/program_directory.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string programDirectory()
{
    // /proc/self/exe names the program file itself, whatever the working directory or argv[0] say.
    std::error_code error;
    const auto file = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
        return {};
    return file.parent_path().string();
}

} // namespace platform
