#include "app/skin_attachment.h"
#include "platform/file_system.h"
#include "platform/program_directory.h"
#include "skin/attach_result.h"
#include "tests/skin/temporary_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytesOf(std::span<const unsigned char> span) { return {span.begin(), span.end()}; }

// A start of the program in a temporary directory that stands for the program's own: it is the
// current directory, and the engine is looked for there.
class SkinAttachment : public testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(m_dir.path()); }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    void start(const app::SkinFiles& files = app::embeddedSkinFiles())
    {
        app::SkinEngine engine(m_dir.path(), [this](const std::string& message) { m_fatal.push_back(message); });
        app::onMainWindowCreated(engine, files);
    }

    std::filesystem::path m_previous = std::filesystem::current_path();
    TemporaryDirectory m_dir;
    std::string m_engine = m_dir.file("jedata.dll");
    std::string m_skin = m_dir.file("皮肤.she");
    std::vector<std::string> m_fatal;
};

TEST_F(SkinAttachment, FirstStartWritesBothFilesByteExactAndMarksThemHiddenAndSystem)
{
    start();
    EXPECT_EQ(readBytes(m_engine), bytesOf(app::embeddedSkinFiles().engine));
    EXPECT_EQ(readBytes(m_skin), bytesOf(app::embeddedSkinFiles().skin));
    EXPECT_EQ(platform::fileAttributes(m_engine), 6U);
    EXPECT_EQ(platform::fileAttributes(m_skin), 6U);
    EXPECT_TRUE(m_fatal.empty());
}

TEST_F(SkinAttachment, SecondStartWritesNothing)
{
    start();
    struct stat engineBefore { };
    struct stat skinBefore { };
    ::stat(m_engine.c_str(), &engineBefore);
    ::stat(m_skin.c_str(), &skinBefore);
    start();
    struct stat engineAfter { };
    struct stat skinAfter { };
    ::stat(m_engine.c_str(), &engineAfter);
    ::stat(m_skin.c_str(), &skinAfter);
    EXPECT_EQ(engineAfter.st_ino, engineBefore.st_ino);
    EXPECT_EQ(engineAfter.st_mtim.tv_nsec, engineBefore.st_mtim.tv_nsec);
    EXPECT_EQ(skinAfter.st_ino, skinBefore.st_ino);
    EXPECT_EQ(skinAfter.st_mtim.tv_nsec, skinBefore.st_mtim.tv_nsec);
    EXPECT_EQ(platform::fileAttributes(m_engine), 6U);
    EXPECT_EQ(m_dir.entries().size(), 2U);
    EXPECT_TRUE(m_fatal.empty());
}

TEST_F(SkinAttachment, FilesWithoutTheAttributesAreReplacedAndMarked)
{
    writeBytes(m_engine, Bytes(100, 'x'));
    writeBytes(m_skin, Bytes(10, 'y'));
    start();
    EXPECT_EQ(readBytes(m_engine), bytesOf(app::embeddedSkinFiles().engine));
    EXPECT_EQ(readBytes(m_skin), bytesOf(app::embeddedSkinFiles().skin));
    EXPECT_EQ(platform::fileAttributes(m_skin), 6U);
    EXPECT_TRUE(m_fatal.empty());
}

TEST_F(SkinAttachment, EngineWithoutApplicationAnswersButIsNotFatal)
{
    start();
    app::SkinEngine engine(m_dir.path(), [this](const std::string& message) { m_fatal.push_back(message); });
    EXPECT_EQ(engine.attachSkinEx(m_skin, ""), std::int32_t(skin::AttachResult::NoApplication));
    EXPECT_EQ(engine.attachSkinEx(m_dir.file("missing.she"), ""), std::int32_t(skin::AttachResult::UnreadableFile));
    EXPECT_TRUE(m_fatal.empty());
}

TEST_F(SkinAttachment, EngineThatCannotBeBoundIsFatalNamingLibraryAndEntry)
{
    const Bytes notALibrary(64, 'z');
    const Bytes withoutTheEntry = readBytes(platform::programDirectory() + "/binding_probe.so");
    ASSERT_FALSE(withoutTheEntry.empty());
    for (const Bytes* engine : {&notALibrary, &withoutTheEntry}) {
        TemporaryDirectory dir;
        std::filesystem::current_path(dir.path());
        m_fatal.clear();
        app::SkinEngine binding(dir.path(), [this](const std::string& message) { m_fatal.push_back(message); });
        app::onMainWindowCreated(binding, {*engine, app::embeddedSkinFiles().skin});
        ASSERT_EQ(m_fatal.size(), 1U);
        EXPECT_NE(m_fatal[0].find("jedata.dll"), std::string::npos) << m_fatal[0];
        EXPECT_NE(m_fatal[0].find("attachSkinEx"), std::string::npos) << m_fatal[0];
    }
}

TEST_F(SkinAttachment, ReadOnlyDirectoryWithoutTheFilesIsFatal)
{
    if (!m_dir.setImmutable(true))
        GTEST_SKIP() << "chattr +i is not available here";
    start();
    m_dir.setImmutable(false);
    EXPECT_TRUE(m_dir.entries().empty());
    ASSERT_EQ(m_fatal.size(), 1U);
    EXPECT_NE(m_fatal[0].find("jedata.dll"), std::string::npos);
}

TEST_F(SkinAttachment, UnreadableCurrentDirectoryWritesNothingAnywhere)
{
    if (std::filesystem::exists("/jedata.dll") || std::filesystem::exists("/皮肤.she"))
        GTEST_SKIP() << "the filesystem root already holds the files";
    start(); // the engine, beside the "program", for the binding
    const std::string gone = m_dir.file("gone");
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    start();
    EXPECT_FALSE(std::filesystem::exists("/jedata.dll"));
    EXPECT_FALSE(std::filesystem::exists("/皮肤.she"));
    EXPECT_TRUE(m_fatal.empty());
}

} // namespace
