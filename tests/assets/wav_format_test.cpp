#include "assets/assets.h"
#include "tests/assets/byte_reader.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using assettest::Bytes;
using assettest::u16;
using assettest::u32;

struct Chunk {
    std::string id;
    std::uint32_t size;
    std::size_t offset; // of the chunk's data
    bool operator==(const Chunk&) const = default;
};

std::vector<Chunk> chunks(Bytes wav)
{
    std::vector<Chunk> found;
    for (std::size_t at = 12; at + 8 <= wav.size(); at += 8 + u32(wav, at + 4) + u32(wav, at + 4) % 2)
        found.push_back({assettest::text(wav, at, 4), u32(wav, at + 4), at + 8});
    return found;
}

struct SoundCase {
    const char* name;
    Bytes (*bytes)();
    std::size_t fileSize;
    std::vector<Chunk> layout;
};

void PrintTo(const SoundCase& c, std::ostream* out) { *out << c.name; }

class SoundFile : public testing::TestWithParam<SoundCase> { };

TEST_P(SoundFile, IsMonoSixteenBitPcmAt11025HzWithItsChunks)
{
    const SoundCase& c = GetParam();
    const Bytes wav = c.bytes();
    ASSERT_EQ(wav.size(), c.fileSize);
    EXPECT_EQ(assettest::text(wav, 0, 4), "RIFF");
    EXPECT_EQ(u32(wav, 4), c.fileSize - 8);
    EXPECT_EQ(assettest::text(wav, 8, 4), "WAVE");
    ASSERT_EQ(chunks(wav), c.layout);
    const std::size_t fmt = 20;
    EXPECT_EQ(u16(wav, fmt), 1) << "PCM";
    EXPECT_EQ(u16(wav, fmt + 2), 1) << "channels";
    EXPECT_EQ(u32(wav, fmt + 4), 11025u);
    EXPECT_EQ(u32(wav, fmt + 8), 22050u);
    EXPECT_EQ(u16(wav, fmt + 12), 2);
    EXPECT_EQ(u16(wav, fmt + 14), 16);
}

// A sound must be heard the moment it is played, and leave room for others mixed over it.
TEST_P(SoundFile, StartsLoudWithinTenMillisecondsAndNeverClips)
{
    const SoundCase& c = GetParam();
    const Bytes wav = c.bytes();
    const Chunk data = chunks(wav).back();
    auto sample = [&](std::size_t i) { return static_cast<std::int16_t>(u16(wav, data.offset + 2 * i)); };
    int startPeak = 0, peak = 0;
    for (std::size_t i = 0; i < data.size / 2; ++i) {
        peak = std::max(peak, std::abs(int(sample(i))));
        if (i < 110)
            startPeak = std::max(startPeak, std::abs(int(sample(i))));
    }
    EXPECT_GT(startPeak, peak / 4);
    EXPECT_LT(peak, 32767 * 9 / 10);
    EXPECT_LT(std::abs(int(sample(data.size / 2 - 1))), 100) << "fades out without a click";
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFile,
    testing::Values(SoundCase {"shot", assets::shotSound, 76204, {{"fmt ", 16, 20}, {"data", 76160, 44}}},
        SoundCase {"impact", assets::impactSound, 70058, {{"fmt ", 16, 20}, {"fact", 4, 44}, {"data", 70002, 56}}}),
    [](const testing::TestParamInfo<SoundCase>& info) { return std::string(info.param.name); });

TEST(ImpactSound, FactChunkCountsTheSamples) { EXPECT_EQ(u32(assets::impactSound(), 44), 35001u); }

} // namespace
