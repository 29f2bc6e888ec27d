#include "tools/asset_generators/byte_writer.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace assetgen {

void ByteWriter::u16le(std::uint16_t value)
{
    u8(value & 0xFF);
    u8(value >> 8);
}

void ByteWriter::u32le(std::uint32_t value)
{
    u16le(value & 0xFFFF);
    u16le(value >> 16);
}

void ByteWriter::u32be(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        u8((value >> shift) & 0xFF);
}

void ByteWriter::text(std::string_view ascii) { m_bytes.insert(m_bytes.end(), ascii.begin(), ascii.end()); }

void ByteWriter::append(const std::vector<std::uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << "cannot write " << path << '\n';
        std::exit(1);
    }
}

std::filesystem::path outputDirectory(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "generator") << " <output directory>\n";
        std::exit(2);
    }
    return argv[1];
}

} // namespace assetgen
