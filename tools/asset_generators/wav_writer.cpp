#include "tools/asset_generators/wav_writer.h"

#include "tools/asset_generators/byte_writer.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

std::vector<std::uint8_t> wavFile(const std::vector<double>& samples, int sampleRate, FactChunk fact)
{
    const auto count = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t dataBytes = count * 2;
    const std::uint32_t factBytes = fact == FactChunk::Include ? 12 : 0;
    ByteWriter out;
    out.text("RIFF");
    out.u32le(4 + 24 + factBytes + 8 + dataBytes);
    out.text("WAVE");
    out.text("fmt ");
    out.u32le(16);
    out.u16le(1); // PCM
    out.u16le(1); // mono
    out.u32le(sampleRate);
    out.u32le(sampleRate * 2); // bytes per second
    out.u16le(2); // block alignment
    out.u16le(16); // bits per sample
    if (fact == FactChunk::Include) {
        out.text("fact");
        out.u32le(4);
        out.u32le(count);
    }
    out.text("data");
    out.u32le(dataBytes);
    for (double sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767);
        out.u16le(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    return out.bytes();
}

} // namespace assetgen
