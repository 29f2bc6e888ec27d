#include "skin/crc32.h"
#include "skin/sha256.h"
#include "skin/skin_format.h"
#include "skin/skin_payload.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using skin::AttachResult;
using Bytes = std::vector<unsigned char>;

skin::Skin sampleSkin()
{
    skin::Skin sample;
    sample.name = "Test";
    sample.metrics = {24, 3, 1, 3, 3, 20, 16, 2, 16, 3};
    for (std::uint32_t role = 1; role <= skin::kColourRoleCount; ++role)
        sample.setColour(static_cast<skin::ColourRole>(role), 0xFF000000U | role * 0x010203U);
    sample.styleSheet = "QPushButton { border-radius: 4px; }";
    return sample;
}

void putU32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

// After a change to the content, mends the length and checksum so that only the change is wrong.
void mendHeader(Bytes& bytes)
{
    const auto content = std::span<const unsigned char>(bytes).subspan(skin::kHeaderSize);
    putU32(bytes, skin::kContentLengthOffset, static_cast<std::uint32_t>(content.size()));
    putU32(bytes, skin::kChecksumOffset, skin::crc32(content));
}

// Offset of the first section with this tag in a file without password block.
std::size_t sectionOffset(const Bytes& bytes, std::uint32_t tag)
{
    std::size_t offset = skin::kHeaderSize;
    while (offset + 8 <= bytes.size()) {
        std::uint32_t found = 0;
        std::uint32_t length = 0;
        for (int i = 0; i < 4; ++i) {
            found |= std::uint32_t(bytes[offset + i]) << (8 * i);
            length |= std::uint32_t(bytes[offset + 4 + i]) << (8 * i);
        }
        if (found == tag)
            return offset;
        offset += 8 + length;
    }
    return bytes.size();
}

TEST(SkinFormat, ChecksumAndHashMatchTheirStandardVectors)
{
    const std::string digits = "123456789";
    EXPECT_EQ(skin::crc32({reinterpret_cast<const unsigned char*>(digits.data()), digits.size()}), 0xCBF43926U);
    const std::string abc = "abc";
    const auto digest = skin::sha256({reinterpret_cast<const unsigned char*>(abc.data()), abc.size()});
    EXPECT_EQ(digest[0], 0xba);
    EXPECT_EQ(digest[1], 0x78);
    EXPECT_EQ(digest[31], 0xad);
    const Bytes longer(200, 'a'); // spans several blocks
    const auto longDigest = skin::sha256(longer);
    EXPECT_EQ(longDigest[0], 0xc2);
    EXPECT_EQ(longDigest[1], 0xa9);
    EXPECT_EQ(longDigest[31], 0xe5);
}

TEST(SkinFormat, WrittenSkinReadsBackUnchanged)
{
    const auto parsed = skin::parseSkin(skin::writeSkin(sampleSkin()), "");
    ASSERT_EQ(parsed.result, AttachResult::Attached);
    EXPECT_EQ(*parsed.skin, sampleSkin());
}

TEST(SkinFormat, ShippedSkinIsSoundAndDrawable)
{
    const auto parsed = skin::parseSkin(skin::skinFileData(), "");
    ASSERT_EQ(parsed.result, AttachResult::Attached);
    EXPECT_TRUE(skin::metricsAreDrawable(parsed.skin->metrics));
    EXPECT_NE(parsed.skin->styleSheet.find("QPushButton"), std::string::npos);
    EXPECT_FALSE(parsed.skin->lock.has_value());
}

TEST(SkinFormat, EveryTruncationIsRejected)
{
    const Bytes whole = skin::writeSkin(sampleSkin());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        const auto expected = length < 4 ? AttachResult::BadMagic : AttachResult::DamagedContent;
        EXPECT_EQ(skin::parseSkin(cut, "").result, expected) << "cut at " << length;
    }
}

struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
    AttachResult expected;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.what; }

class DamagedSkin : public testing::TestWithParam<Damage> { };

TEST_P(DamagedSkin, GivesItsResultCode)
{
    Bytes bytes = skin::writeSkin(sampleSkin());
    GetParam().apply(bytes);
    const auto parsed = skin::parseSkin(bytes, "");
    EXPECT_EQ(parsed.result, GetParam().expected);
    EXPECT_EQ(parsed.skin.has_value(), GetParam().expected == AttachResult::Attached);
}

const auto frameAt = [](const Bytes& bytes) { return sectionOffset(bytes, skin::kFrameTag); };
const auto coloursAt = [](const Bytes& bytes) { return sectionOffset(bytes, skin::kColourTag); };

INSTANTIATE_TEST_SUITE_P(Table, DamagedSkin,
    testing::Values(Damage {"wrong magic", [](Bytes& b) { b[1] = 's'; }, AttachResult::BadMagic},
        Damage {"empty file", [](Bytes& b) { b.clear(); }, AttachResult::BadMagic},
        Damage {"newer version", [](Bytes& b) { b[skin::kVersionOffset] = 2; }, AttachResult::BadVersion},
        Damage {"version zero", [](Bytes& b) { b[skin::kVersionOffset] = 0; }, AttachResult::BadVersion},
        Damage {"unknown flag", [](Bytes& b) { b[skin::kFlagsOffset] |= 0x80; }, AttachResult::BadVersion},
        Damage {"flipped content byte", [](Bytes& b) { b.back() ^= 0x20; }, AttachResult::DamagedContent},
        Damage {"wrong checksum", [](Bytes& b) { b[skin::kChecksumOffset] ^= 1; }, AttachResult::DamagedContent},
        Damage {"length too long", [](Bytes& b) { putU32(b, skin::kContentLengthOffset, std::uint32_t(b.size())); },
            AttachResult::DamagedContent},
        Damage {"trailing byte", [](Bytes& b) { b.push_back(0); }, AttachResult::DamagedContent},
        Damage {"section past the end",
            [](Bytes& b) {
                putU32(b, frameAt(b) + 4, std::uint32_t(b.size()));
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"section length at the limit",
            [](Bytes& b) {
                putU32(b, frameAt(b) + 4, 0xFFFFFFFFU);
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"half a section header",
            [](Bytes& b) {
                b.insert(b.end(), {'X', 'Y', 'Z', 'W', 1, 0});
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"colour count past the end",
            [](Bytes& b) {
                putU32(b, coloursAt(b) + 8, 0x20000000U);
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"duplicate colour role",
            [](Bytes& b) {
                putU32(b, coloursAt(b) + 12 + 8, 1);
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"caption too low to draw",
            [](Bytes& b) {
                b[frameAt(b) + 8] = 2;
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"style sheet missing",
            [](Bytes& b) {
                b.resize(sectionOffset(b, skin::kStyleSheetTag));
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"frame twice",
            [](Bytes& b) {
                const auto at = frameAt(b);
                const Bytes frame(b.begin() + at, b.begin() + at + 8 + skin::kFrameSectionSize);
                b.insert(b.end(), frame.begin(), frame.end());
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"NUL in the style sheet",
            [](Bytes& b) {
                b.back() = 0;
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"larger than any skin",
            [](Bytes& b) {
                b.resize(skin::kMaxSkinFileSize + 1, ' ');
                mendHeader(b);
            },
            AttachResult::DamagedContent},
        Damage {"unknown section from a newer writer",
            [](Bytes& b) {
                b.insert(b.end(), {'N', 'E', 'W', 'S', 2, 0, 0, 0, 7, 7});
                mendHeader(b);
            },
            AttachResult::Attached}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(SkinFormat, ProtectedSkinOpensOnlyWithItsPassword)
{
    auto protectedSkin = sampleSkin();
    protectedSkin.lock = skin::lockWithPassword("secret", skin::PasswordSalt {1, 2, 3, 4, 5});
    const Bytes bytes = skin::writeSkin(protectedSkin);
    for (const char* wrong : {"", "Secret", "secret ", "secre"})
        EXPECT_EQ(skin::parseSkin(bytes, wrong).result, AttachResult::WrongPassword) << wrong;
    const auto opened = skin::parseSkin(bytes, "secret");
    ASSERT_EQ(opened.result, AttachResult::Attached);
    EXPECT_EQ(*opened.skin, protectedSkin);
    EXPECT_EQ(skin::parseSkinWithoutPassword(bytes).skin, protectedSkin);
}

TEST(SkinFormat, UnprotectedSkinIgnoresAnyPassword)
{
    EXPECT_EQ(skin::parseSkin(skin::writeSkin(sampleSkin()), "whatever").result, AttachResult::Attached);
}

TEST(SkinFormat, SameSaltDifferentPasswordsGiveDifferentLocks)
{
    const skin::PasswordSalt salt {9};
    EXPECT_NE(skin::lockWithPassword("a", salt).hash, skin::lockWithPassword("b", salt).hash);
    EXPECT_NE(skin::lockWithPassword("a", salt).hash, skin::lockWithPassword("a", skin::PasswordSalt {8}).hash);
}

} // namespace
