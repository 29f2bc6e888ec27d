#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace assetgen {

// Appends little- and big-endian integers and raw bytes to a growing file image.
class ByteWriter {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16le(std::uint16_t value);
    void u32le(std::uint32_t value);
    void u32be(std::uint32_t value);
    void text(std::string_view ascii);
    void append(const std::vector<std::uint8_t>& bytes);

    [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    [[nodiscard]] std::size_t size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};

// Writes the bytes to the file, creating its directories; exits with a message on failure.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The output directory named by the only command-line argument; exits with usage text otherwise.
std::filesystem::path outputDirectory(int argc, char** argv);

} // namespace assetgen
