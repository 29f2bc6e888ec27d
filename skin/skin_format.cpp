#include "skin/skin_format.h"

#include "skin/crc32.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace skin {
namespace {

constexpr std::array<unsigned char, 4> kMagic = {'.', 'S', 'H', 'E'};

// Reads little-endian fields from a span; every read checks that the bytes are there.
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes)
        : m_bytes(bytes)
    { }

    [[nodiscard]] std::size_t remaining() const { return m_bytes.size() - m_position; }

    bool read(std::uint16_t& value)
    {
        std::uint64_t wide = 0;
        const bool ok = readLittleEndian(wide, 2);
        value = static_cast<std::uint16_t>(wide);
        return ok;
    }

    bool read(std::uint32_t& value)
    {
        std::uint64_t wide = 0;
        const bool ok = readLittleEndian(wide, 4);
        value = static_cast<std::uint32_t>(wide);
        return ok;
    }

    bool take(std::size_t count, std::span<const unsigned char>& out)
    {
        if (count > remaining())
            return false;
        out = m_bytes.subspan(m_position, count);
        m_position += count;
        return true;
    }

private:
    bool readLittleEndian(std::uint64_t& value, std::size_t size)
    {
        std::span<const unsigned char> bytes;
        if (!take(size, bytes))
            return false;
        value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= std::uint64_t(bytes[i]) << (8 * i);
        return true;
    }

    std::span<const unsigned char> m_bytes;
    std::size_t m_position = 0;
};

std::string textOf(std::span<const unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

bool readFrame(std::span<const unsigned char> payload, FrameMetrics& metrics)
{
    if (payload.size() != kFrameSectionSize)
        return false;
    ByteReader reader(payload);
    for (std::uint16_t* field : {&metrics.captionHeight, &metrics.borderLeft, &metrics.borderTop, &metrics.borderRight,
             &metrics.borderBottom, &metrics.buttonWidth, &metrics.buttonHeight, &metrics.buttonSpacing,
             &metrics.iconSize, &metrics.buttonRadius})
        reader.read(*field);
    return metricsAreDrawable(metrics);
}

// Every known role exactly once; roles this engine does not know are skipped, for newer skins.
bool readColours(std::span<const unsigned char> payload, Skin& skin)
{
    ByteReader reader(payload);
    std::uint32_t count = 0;
    if (!reader.read(count) || reader.remaining() / 8 != count || reader.remaining() % 8 != 0)
        return false;
    std::bitset<kColourRoleCount> seen;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t role = 0;
        std::uint32_t argb = 0;
        reader.read(role);
        reader.read(argb);
        if (role < 1 || role > kColourRoleCount)
            continue;
        if (seen.test(role - 1))
            return false;
        seen.set(role - 1);
        skin.setColour(static_cast<ColourRole>(role), argb);
    }
    return seen.all();
}

bool isText(std::span<const unsigned char> payload)
{
    return std::find(payload.begin(), payload.end(), 0) == payload.end();
}

bool readSection(std::uint32_t tag, std::span<const unsigned char> payload, Skin& skin)
{
    if (tag == kNameTag) {
        skin.name = textOf(payload);
        return isText(payload);
    }
    if (tag == kFrameTag)
        return readFrame(payload, skin.metrics);
    if (tag == kColourTag)
        return readColours(payload, skin);
    if (tag == kStyleSheetTag) {
        skin.styleSheet = textOf(payload);
        return isText(payload);
    }
    return true; // a section of a newer writer: its length has been checked, its content is not ours
}

bool readSections(ByteReader& reader, Skin& skin)
{
    constexpr std::array<std::uint32_t, 4> known = {kNameTag, kFrameTag, kColourTag, kStyleSheetTag};
    std::bitset<known.size()> seen;
    while (reader.remaining() > 0) {
        std::uint32_t tag = 0;
        std::uint32_t length = 0;
        std::span<const unsigned char> payload;
        if (!reader.read(tag) || !reader.read(length) || !reader.take(length, payload))
            return false;
        const auto index = std::size_t(std::find(known.begin(), known.end(), tag) - known.begin());
        if (index < known.size()) {
            if (seen.test(index))
                return false;
            seen.set(index);
        }
        if (!readSection(tag, payload, skin))
            return false;
    }
    return seen.test(1) && seen.test(2) && seen.test(3); // frame, colours and style sheet are required
}

// A null password reads the lock without checking it.
AttachResult readLock(ByteReader& reader, const std::string_view* password, Skin& skin)
{
    std::span<const unsigned char> block;
    if (!reader.take(kPasswordBlockSize, block))
        return AttachResult::DamagedContent;
    PasswordLock lock;
    std::copy_n(block.begin(), lock.salt.size(), lock.salt.begin());
    std::copy_n(block.begin() + lock.salt.size(), lock.hash.size(), lock.hash.begin());
    if (password && !unlocks(lock, *password))
        return AttachResult::WrongPassword;
    skin.lock = lock;
    return AttachResult::Attached;
}

// Magic, version, flags, content length and checksum, in this order; the first that fails decides.
AttachResult checkHeader(std::span<const unsigned char> file, std::uint16_t& flags)
{
    if (file.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), file.begin()))
        return AttachResult::BadMagic;
    ByteReader reader(file.subspan(kVersionOffset));
    std::uint16_t version = 0;
    if (!reader.read(version))
        return AttachResult::DamagedContent;
    if (version != kFormatVersion)
        return AttachResult::BadVersion;
    std::uint32_t contentLength = 0;
    std::uint32_t checksum = 0;
    if (!reader.read(flags) || !reader.read(contentLength) || !reader.read(checksum))
        return AttachResult::DamagedContent;
    if ((flags & ~kFlagPasswordProtected) != 0)
        return AttachResult::BadVersion;
    const auto content = file.subspan(kHeaderSize);
    if (contentLength != content.size() || file.size() > kMaxSkinFileSize || crc32(content) != checksum)
        return AttachResult::DamagedContent;
    return AttachResult::Attached;
}

class ByteWriter {
public:
    void put(std::uint16_t value) { putLittleEndian(value, 2); }
    void put(std::uint32_t value) { putLittleEndian(value, 4); }
    void put(std::span<const unsigned char> bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    void putText(std::string_view text) { m_bytes.insert(m_bytes.end(), text.begin(), text.end()); }
    void putSection(std::uint32_t tag, const std::vector<unsigned char>& payload)
    {
        put(tag);
        put(static_cast<std::uint32_t>(payload.size()));
        put(payload);
    }
    std::vector<unsigned char>& bytes() { return m_bytes; }

private:
    void putLittleEndian(std::uint32_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            m_bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }

    std::vector<unsigned char> m_bytes;
};

std::vector<unsigned char> framePayload(const FrameMetrics& m)
{
    ByteWriter writer;
    for (std::uint16_t field : {m.captionHeight, m.borderLeft, m.borderTop, m.borderRight, m.borderBottom,
             m.buttonWidth, m.buttonHeight, m.buttonSpacing, m.iconSize, m.buttonRadius})
        writer.put(field);
    return std::move(writer.bytes());
}

std::vector<unsigned char> colourPayload(const Skin& skin)
{
    ByteWriter writer;
    writer.put(static_cast<std::uint32_t>(kColourRoleCount));
    for (std::uint32_t role = 1; role <= kColourRoleCount; ++role) {
        writer.put(role);
        writer.put(skin.colour(static_cast<ColourRole>(role)));
    }
    return std::move(writer.bytes());
}

std::vector<unsigned char> textPayload(std::string_view text) { return {text.begin(), text.end()}; }

ParsedSkin parse(std::span<const unsigned char> file, const std::string_view* password)
{
    std::uint16_t flags = 0;
    if (const auto header = checkHeader(file, flags); header != AttachResult::Attached)
        return {header, std::nullopt};
    ByteReader reader(file.subspan(kHeaderSize));
    Skin skin;
    if ((flags & kFlagPasswordProtected) != 0) {
        if (const auto lock = readLock(reader, password, skin); lock != AttachResult::Attached)
            return {lock, std::nullopt};
    }
    if (!readSections(reader, skin))
        return {AttachResult::DamagedContent, std::nullopt};
    return {AttachResult::Attached, std::move(skin)};
}

} // namespace

ParsedSkin parseSkin(std::span<const unsigned char> file, std::string_view password) { return parse(file, &password); }

ParsedSkin parseSkinWithoutPassword(std::span<const unsigned char> file) { return parse(file, nullptr); }

std::vector<unsigned char> writeSkin(const Skin& skin)
{
    ByteWriter content;
    if (skin.lock) {
        content.put(skin.lock->salt);
        content.put(skin.lock->hash);
    }
    if (!skin.name.empty())
        content.putSection(kNameTag, textPayload(skin.name));
    content.putSection(kFrameTag, framePayload(skin.metrics));
    content.putSection(kColourTag, colourPayload(skin));
    content.putSection(kStyleSheetTag, textPayload(skin.styleSheet));

    ByteWriter file;
    file.put(kMagic);
    file.put(kFormatVersion);
    file.put(static_cast<std::uint16_t>(skin.lock ? kFlagPasswordProtected : 0));
    file.put(static_cast<std::uint32_t>(content.bytes().size()));
    file.put(crc32(content.bytes()));
    file.put(content.bytes());
    return std::move(file.bytes());
}

} // namespace skin
