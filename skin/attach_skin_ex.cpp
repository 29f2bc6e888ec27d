// The one entry of the skin engine library: reads a .she skin, checks it whole, and only then puts it
// into effect for the running QApplication.
#include "skin/attach_result.h"
#include "skin/skin_engine.h"
#include "skin/skin_format.h"

#include <QApplication>
#include <QPointer>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <new>
#include <optional>
#include <vector>

namespace {

using skin::AttachResult;

// The engine lives until the application goes or this library is unloaded, whichever comes first:
// deleting it on unload takes its event filters out of the application before their code is gone.
struct EngineHolder {
    QPointer<skin::SkinEngine> engine;
    ~EngineHolder() { delete engine.data(); }
};
EngineHolder holder;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

// The whole file, or nothing if it is no readable regular file. A file larger than any skin is cut
// one byte past the limit, which the parser then rejects as damaged.
std::optional<std::vector<unsigned char>> readSkinFile(const char* path)
{
    const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
    struct stat info { };
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::vector<unsigned char> bytes(skin::kMaxSkinFileSize + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

QApplication* applicationOnThisThread()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr || QThread::currentThread() != application->thread())
        return nullptr;
    return application;
}

AttachResult attach(const char* skinPath, const char* password)
{
    if (skinPath == nullptr)
        return AttachResult::UnreadableFile;
    const auto file = readSkinFile(skinPath);
    if (!file)
        return AttachResult::UnreadableFile;
    auto parsed = skin::parseSkin(*file, password == nullptr ? "" : password);
    if (!parsed.skin)
        return parsed.result;
    QApplication* application = applicationOnThisThread();
    if (application == nullptr)
        return AttachResult::NoApplication;
    if (!holder.engine)
        holder.engine = new skin::SkinEngine(*application); // owned by the application
    holder.engine->attach(std::move(*parsed.skin));
    return AttachResult::Attached;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::int32_t attachSkinEx(const char* skinPath, const char* password)
{
    try {
        return static_cast<std::int32_t>(attach(skinPath, password));
    } catch (const std::bad_alloc&) {
        return static_cast<std::int32_t>(AttachResult::OutOfMemory);
    }
}
