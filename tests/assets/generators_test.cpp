#include "assets/assets.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs every generator into a fresh directory once for all the cases.
class Generators : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string pattern = (fs::temp_directory_path() / "zorvane-assets-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        s_output = pattern;
        for (const char* generator : {"make_icon", "make_shot_picture", "make_explosion", "make_sounds"}) {
            const std::string command = std::string("\"") + ZORVANE_GENERATOR_DIR + "/" + generator + "\" \""
                + s_output.string() + "\" 2>/dev/null";
            ASSERT_EQ(std::system(command.c_str()), 0) << generator;
        }
    }

    static void TearDownTestSuite() { fs::remove_all(s_output); }

    static inline fs::path s_output;
};

TEST_F(Generators, WriteTheEmbeddedFilesByteForByte)
{
    const std::vector<std::pair<const char*, std::span<const unsigned char>>> embedded = {
        {"icon.ico", assets::programIcon()},
        {"shot.gif", assets::shotPicture()},
        {"explosion.gif", assets::hitPicture()},
        {"shot.wav", assets::shotSound()},
        {"impact.wav", assets::impactSound()},
    };
    for (const auto& [name, bytes] : embedded) {
        const auto generated = readFile(s_output / name);
        EXPECT_TRUE(std::equal(generated.begin(), generated.end(), bytes.begin(), bytes.end()))
            << name << " differs from what its generator writes now; run the regenerate_assets target";
    }
}

TEST_F(Generators, WriteTheCommittedThemeIcons)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const fs::path icon
            = fs::path("icons/hicolor") / (std::to_string(size) + "x" + std::to_string(size)) / "apps/zorvane.png";
        const auto generated = readFile(s_output / icon);
        EXPECT_FALSE(generated.empty()) << icon;
        EXPECT_EQ(generated, readFile(fs::path(ZORVANE_ASSET_DIR) / icon)) << icon;
    }
}

} // namespace
