// libFuzzer target for the skin parser: any input must be rejected or accepted without reading outside
// it, and a skin that is accepted must write back to a file that reads as the same skin. Each input is
// also tried with its length and checksum mended, so that mutations reach the sections behind them.
#include "skin/crc32.h"
#include "skin/skin_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void checkParse(std::span<const unsigned char> input)
{
    for (const char* password : {"", "secret"}) {
        const auto parsed = skin::parseSkin(input, password);
        if (parsed.skin.has_value() != (parsed.result == skin::AttachResult::Attached))
            std::abort();
        if (!parsed.skin)
            continue;
        const auto again = skin::parseSkin(skin::writeSkin(*parsed.skin), password);
        if (again.result != skin::AttachResult::Attached || *again.skin != *parsed.skin)
            std::abort();
    }
    (void)skin::parseSkinWithoutPassword(input);
}

std::vector<unsigned char> withMendedHeader(std::span<const unsigned char> input)
{
    std::vector<unsigned char> bytes(input.begin(), input.end());
    const auto content = std::span<const unsigned char>(bytes).subspan(skin::kHeaderSize);
    const std::uint32_t fields[] = {static_cast<std::uint32_t>(content.size()), skin::crc32(content)};
    for (int field = 0; field < 2; ++field)
        for (int i = 0; i < 4; ++i)
            bytes[skin::kContentLengthOffset + 4 * field + i] = static_cast<unsigned char>(fields[field] >> (8 * i));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const unsigned char> input(data, size);
    checkParse(input);
    if (size >= skin::kHeaderSize)
        checkParse(withMendedHeader(input));
    return 0;
}
