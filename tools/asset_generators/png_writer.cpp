#include "tools/asset_generators/png_writer.h"

#include "tools/asset_generators/byte_writer.h"

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <zlib.h>

namespace assetgen {
namespace {

void chunk(ByteWriter& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    ByteWriter body;
    body.text(type);
    body.append(data);
    out.u32be(static_cast<std::uint32_t>(data.size()));
    out.append(body.bytes());
    out.u32be(crc32(0, body.bytes().data(), static_cast<uInt>(body.size())));
}

std::vector<std::uint8_t> header(int width, int height)
{
    ByteWriter ihdr;
    ihdr.u32be(width);
    ihdr.u32be(height);
    for (std::uint8_t field : {8, 6, 0, 0, 0}) // 8 bits, RGBA, deflate, adaptive filters, no interlace
        ihdr.u8(field);
    return ihdr.bytes();
}

// Each row starts with filter type 0 (none); zlib then deflates the lot.
std::vector<std::uint8_t> imageData(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    std::vector<std::uint8_t> raw;
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + y * stride, rgba.begin() + (y + 1) * stride);
    }
    uLongf packedSize = compressBound(raw.size());
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), raw.size(), Z_BEST_COMPRESSION) != Z_OK) {
        std::cerr << "zlib failed\n";
        std::exit(1);
    }
    packed.resize(packedSize);
    return packed;
}

} // namespace

std::vector<std::uint8_t> pngFile(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    ByteWriter out;
    out.append({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    chunk(out, "IHDR", header(width, height));
    chunk(out, "IDAT", imageData(width, height, rgba));
    chunk(out, "IEND", {});
    return out.bytes();
}

} // namespace assetgen
