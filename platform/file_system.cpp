#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

// Attributes live in the extended attribute user.DOSATTRIB as hex text ("0x6"), the convention that
// Samba and Wine use for DOS attributes on Linux filesystems.
constexpr const char* kAttributeName = "user.DOSATTRIB";
constexpr std::uint32_t kProtectingAttributes = kAttributeReadOnly | kAttributeHidden | kAttributeSystem;

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryPathFor(const std::string& path)
{
    static std::atomic<unsigned> counter {0};
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    return directory + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

bool writeAll(int fd, std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        const auto written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a fresh temporary file beside the target and fills it; empty path on failure, nothing left.
std::string writeTemporary(const std::string& path, std::span<const unsigned char> bytes)
{
    const std::string temporary = temporaryPathFor(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return {};
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed)
        return temporary;
    ::unlink(temporary.c_str());
    return {};
}

void syncDirectory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool isProtected(const std::string& path)
{
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
        return false; // nothing there yet
    return (fileAttributes(path).value_or(0) & kProtectingAttributes) != 0;
}

std::optional<std::uint32_t> parseAttributes(std::string_view text)
{
    // Samba may follow the hex text with a NUL and a binary record; only the text counts.
    text = text.substr(0, text.find('\0'));
    if (text.starts_with("0x") || text.starts_with("0X"))
        text.remove_prefix(2);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::string currentDirectory()
{
    std::error_code error;
    const auto directory = std::filesystem::current_path(error);
    if (error)
        return {};
    return directory.string();
}

bool writeWholeFile(const std::string& path, std::span<const unsigned char> bytes)
{
    if (path.empty() || path.back() == '/' || isProtected(path))
        return false;
    const std::string temporary = writeTemporary(path, bytes);
    if (temporary.empty())
        return false;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directoryOf(path));
    return true;
}

bool setFileAttributes(const std::string& path, std::uint32_t attributes)
{
    std::array<char, 16> text {};
    const int length = std::snprintf(text.data(), text.size(), "0x%x", attributes);
    return ::setxattr(path.c_str(), kAttributeName, text.data(), static_cast<std::size_t>(length), 0) == 0;
}

std::optional<std::uint32_t> fileAttributes(const std::string& path)
{
    std::array<char, 512> text {};
    const auto length = ::getxattr(path.c_str(), kAttributeName, text.data(), text.size());
    if (length >= 0)
        return parseAttributes(std::string_view(text.data(), static_cast<std::size_t>(length)));
    if (errno != ENODATA)
        return std::nullopt;
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 ? std::optional<std::uint32_t>(0) : std::nullopt;
}

} // namespace platform
