#include "platform/file_system.h"
#include "tests/skin/temporary_directory.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstring>

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kOld(4096, 'o');
const Bytes kNew = [] {
    Bytes bytes(4096);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7);
    return bytes;
}();

std::string rawAttribute(const std::string& path)
{
    char text[64] = {};
    const auto length = ::getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text);
    return length < 0 ? std::string("<none>") : std::string(text, static_cast<std::size_t>(length));
}

class FileSystem : public testing::Test {
protected:
    TemporaryDirectory m_dir;
    std::string m_target = m_dir.file("jedata.dll");
};

TEST_F(FileSystem, FirstWriteCreatesTheFileByteExact)
{
    ASSERT_TRUE(platform::writeWholeFile(m_target, kNew));
    EXPECT_EQ(readBytes(m_target), kNew);
    EXPECT_EQ(m_dir.entries(), std::vector<std::string> {"jedata.dll"});
}

TEST_F(FileSystem, FileWithoutProtectingAttributesIsReplacedWhole)
{
    writeBytes(m_target, Bytes(9000, 'x'));
    ASSERT_TRUE(platform::setFileAttributes(m_target, 0x20)); // archive only
    ASSERT_TRUE(platform::writeWholeFile(m_target, kNew));
    EXPECT_EQ(readBytes(m_target), kNew);
}

TEST_F(FileSystem, ReadOnlyHiddenOrSystemFileIsNotReplaced)
{
    for (const std::uint32_t attributes : {0x1U, 0x2U, 0x4U, 0x6U, 0x27U}) {
        writeBytes(m_target, kOld);
        ASSERT_TRUE(platform::setFileAttributes(m_target, attributes));
        EXPECT_FALSE(platform::writeWholeFile(m_target, kNew)) << attributes;
        EXPECT_EQ(readBytes(m_target), kOld) << attributes;
        ASSERT_TRUE(platform::setFileAttributes(m_target, 0));
    }
    EXPECT_EQ(m_dir.entries(), std::vector<std::string> {"jedata.dll"});
}

TEST_F(FileSystem, ReplacingKeepsAMappingOfTheOldFileIntact)
{
    writeBytes(m_target, kOld);
    const int fd = ::open(m_target.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    void* mapping = ::mmap(nullptr, kOld.size(), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    ASSERT_NE(mapping, MAP_FAILED);
    ASSERT_TRUE(platform::writeWholeFile(m_target, kNew));
    EXPECT_EQ(std::memcmp(mapping, kOld.data(), kOld.size()), 0);
    ::munmap(mapping, kOld.size());
    EXPECT_EQ(readBytes(m_target), kNew);
}

TEST_F(FileSystem, UnwritableDirectoryFailsWithoutLeavingATemporary)
{
    writeBytes(m_target, kOld);
    if (!m_dir.setImmutable(true))
        GTEST_SKIP() << "chattr +i is not available here";
    EXPECT_FALSE(platform::writeWholeFile(m_target, kNew));
    EXPECT_FALSE(platform::writeWholeFile(m_dir.file("new.she"), kNew));
    m_dir.setImmutable(false);
    EXPECT_EQ(readBytes(m_target), kOld);
    EXPECT_EQ(m_dir.entries(), std::vector<std::string> {"jedata.dll"});
}

TEST_F(FileSystem, FailedRenameRemovesTheTemporary)
{
    // A non-empty directory in the file's place: the temporary is written, the rename over it fails.
    std::filesystem::create_directories(m_dir.file("jedata.dll/inside"));
    EXPECT_FALSE(platform::writeWholeFile(m_target, kNew));
    EXPECT_EQ(m_dir.entries(), std::vector<std::string> {"jedata.dll"});
}

TEST_F(FileSystem, FullDiskFailsWithoutLeavingATemporary)
{
    const std::string small = m_dir.file("small");
    std::filesystem::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    EXPECT_FALSE(platform::writeWholeFile(small + "/big", Bytes(64 * 1024, 'b')));
    EXPECT_TRUE(std::filesystem::is_empty(small));
    ::umount(small.c_str());
}

TEST_F(FileSystem, EmptyPathFails) { EXPECT_FALSE(platform::writeWholeFile("", kNew)); }

TEST_F(FileSystem, AttributesAreStoredAsHexTextAndSetExactly)
{
    writeBytes(m_target, kOld);
    EXPECT_EQ(platform::fileAttributes(m_target), 0U);
    ASSERT_TRUE(platform::setFileAttributes(m_target, 0x27));
    ASSERT_TRUE(platform::setFileAttributes(m_target, 6));
    EXPECT_EQ(rawAttribute(m_target), "0x6");
    EXPECT_EQ(platform::fileAttributes(m_target), 6U);
}

TEST_F(FileSystem, AttributesWrittenBySambaAreRead)
{
    writeBytes(m_target, kOld);
    const char blob[] = "0x22\0\x03\x00\x04";
    ASSERT_EQ(::setxattr(m_target.c_str(), "user.DOSATTRIB", blob, sizeof blob - 1, 0), 0);
    EXPECT_EQ(platform::fileAttributes(m_target), 0x22U);
}

TEST_F(FileSystem, AttributesFailWhereTheyCannotBeKept)
{
    EXPECT_FALSE(platform::setFileAttributes(m_dir.file("missing"), 6));
    EXPECT_EQ(platform::fileAttributes(m_dir.file("missing")), std::nullopt);
    // procfs holds no user extended attributes.
    EXPECT_FALSE(platform::setFileAttributes("/proc/self/comm", 6));
}

TEST_F(FileSystem, CurrentDirectoryIsAbsoluteAndEmptyWhenGone)
{
    const auto before = std::filesystem::current_path();
    const std::string gone = m_dir.file("gone");
    std::filesystem::create_directory(gone);
    ASSERT_EQ(::chdir(gone.c_str()), 0);
    EXPECT_EQ(platform::currentDirectory(), std::filesystem::canonical(gone).string());
    std::filesystem::remove(gone);
    EXPECT_EQ(platform::currentDirectory(), "");
    std::filesystem::current_path(before);
}

} // namespace
