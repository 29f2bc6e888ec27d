#include "app/skin_attachment.h"

#include "platform/file_system.h"
#include "skin/skin_payload.h"

#include <utility>

namespace app {
namespace {

constexpr const char* kEngineName = "/jedata.dll";
constexpr const char* kSkinName = "/皮肤.she";
constexpr std::uint32_t kHiddenSystem = platform::kAttributeHidden | platform::kAttributeSystem;

using AttachEntry = std::int32_t(const char* skinPath, const char* password);

// Each step joins the current directory afresh with its name. When the directory cannot be read the
// path is empty, so the step fails, rather than landing in the filesystem's root as "/jedata.dll".
std::string besideProgram(const char* name)
{
    const std::string directory = platform::currentDirectory();
    return directory.empty() ? std::string() : directory + name;
}

} // namespace

SkinEngine::SkinEngine(std::string programDirectory, FailureReporter onFailure)
    : m_binding(std::move(programDirectory), "jedata.dll", "attachSkinEx", std::move(onFailure))
{ }

std::optional<std::int32_t> SkinEngine::attachSkinEx(const std::string& skinPath, const std::string& password)
{
    auto* entry = m_binding.entryAs<AttachEntry>();
    if (!entry)
        return std::nullopt;
    return entry(skinPath.c_str(), password.c_str());
}

SkinFiles embeddedSkinFiles() { return {skin::skinEngineData(), skin::skinFileData()}; }

void onMainWindowCreated(SkinEngine& engine, const SkinFiles& files)
{
    // From the second start on both files are hidden and system, so the writes fail and change nothing.
    (void)platform::writeWholeFile(besideProgram(kEngineName), files.engine);
    (void)platform::writeWholeFile(besideProgram(kSkinName), files.skin);
    (void)platform::setFileAttributes(besideProgram(kEngineName), kHiddenSystem);
    (void)platform::setFileAttributes(besideProgram(kSkinName), kHiddenSystem);
    (void)engine.attachSkinEx(besideProgram(kSkinName), "");
}

} // namespace app
