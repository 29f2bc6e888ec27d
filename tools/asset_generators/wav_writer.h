#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

enum class FactChunk { Omit, Include };

// A RIFF/WAVE file of 16-bit PCM mono: a 16-byte "fmt " chunk, optionally a "fact" chunk with the
// sample count, and the "data" chunk. Samples in [-1, 1] are clipped and rounded.
std::vector<std::uint8_t> wavFile(const std::vector<double>& samples, int sampleRate, FactChunk fact);

} // namespace assetgen
