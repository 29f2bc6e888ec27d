#include "skin/skin_format.h"
#include "skin/skin_payload.h"
#include "tests/skin/temporary_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

int runPacker(const std::string& arguments)
{
    const std::string command = std::string(SKIN_PACKER_PATH) + " " + arguments + " 2>/dev/null";
    return std::system(command.c_str());
}

// Copies the shipped skin's sources, so a test can change them.
void copyShippedSources(const std::string& folder)
{
    std::filesystem::copy(SHIPPED_SKIN_SOURCES, folder, std::filesystem::copy_options::recursive);
}

TEST(SkinPacker, PackingTheShippedSourcesGivesTheEmbeddedSkin)
{
    TemporaryDirectory dir;
    ASSERT_EQ(runPacker(std::string("pack ") + SHIPPED_SKIN_SOURCES + " " + dir.file("out.she")), 0);
    const auto embedded = skin::skinFileData();
    EXPECT_EQ(readBytes(dir.file("out.she")), std::vector<unsigned char>(embedded.begin(), embedded.end()));
}

TEST(SkinPacker, PackUnpackPackIsByteIdenticalWithAndWithoutPassword)
{
    for (const std::string password : {"", "--password s3cret"}) {
        TemporaryDirectory dir;
        ASSERT_EQ(runPacker(std::string("pack ") + SHIPPED_SKIN_SOURCES + " " + dir.file("a.she") + " " + password), 0);
        ASSERT_EQ(runPacker("unpack " + dir.file("a.she") + " " + dir.file("unpacked")), 0);
        ASSERT_EQ(runPacker("pack " + dir.file("unpacked") + " " + dir.file("b.she")), 0);
        EXPECT_EQ(readBytes(dir.file("a.she")), readBytes(dir.file("b.she"))) << password;
    }
}

TEST(SkinPacker, PasswordGivenToThePackerOpensTheSkin)
{
    TemporaryDirectory dir;
    ASSERT_EQ(runPacker(std::string("pack ") + SHIPPED_SKIN_SOURCES + " " + dir.file("p.she") + " --password pw"), 0);
    const auto bytes = readBytes(dir.file("p.she"));
    EXPECT_EQ(skin::parseSkin(bytes, "").result, skin::AttachResult::WrongPassword);
    EXPECT_EQ(skin::parseSkin(bytes, "pw").result, skin::AttachResult::Attached);
}

TEST(SkinPacker, RefusesFaultySources)
{
    struct Fault {
        const char* what;
        const char* appendToIni;
    };
    const Fault faults[] = {
        {"unknown key", "\n[colours]\ncaption_topp = #ffffff\n"},
        {"colour without hash", "\n[colours]\ncaption_top = ffffff\n"},
        {"metric not a number", "\n[metrics]\ncaption_height = tall\n"},
        {"metric out of range", "\n[metrics]\ncaption_height = 300\n"},
        {"line outside a section", "\n[]\nname = x\n"},
        {"salt without hash", "\n[password]\nsalt = 00112233445566778899aabbccddeeff\n"},
    };
    for (const auto& fault : faults) {
        TemporaryDirectory dir;
        copyShippedSources(dir.file("src"));
        std::ofstream(dir.file("src/skin.ini"), std::ios::app) << fault.appendToIni;
        EXPECT_NE(runPacker("pack " + dir.file("src") + " " + dir.file("out.she")), 0) << fault.what;
    }
}

TEST(SkinPacker, RefusesToUnpackADamagedSkin)
{
    TemporaryDirectory dir;
    const auto embedded = skin::skinFileData();
    std::vector<unsigned char> bytes(embedded.begin(), embedded.end());
    bytes[bytes.size() / 2] ^= 0xFF;
    writeBytes(dir.file("bad.she"), bytes);
    EXPECT_NE(runPacker("unpack " + dir.file("bad.she") + " " + dir.file("out")), 0);
}

} // namespace
