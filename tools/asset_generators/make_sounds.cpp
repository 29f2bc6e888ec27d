// Synthesises the two sounds at 11,025 samples a second, 16-bit mono:
//   shot.wav   38,080 samples: a launch whoosh, noise through a band-pass filter that sweeps up
//              from 250 Hz to 3 kHz under a faint rising whistle, with a crackle of ignition at once
//              and a slow fade;
//   impact.wav 35,001 samples, with a "fact" chunk: a boom, a low thump falling from 90 Hz to 38 Hz
//              over a crack and a burst of darkening noise, then a rumbling tail fading over 3 s.
#include "tools/asset_generators/byte_writer.h"
#include "tools/asset_generators/random.h"
#include "tools/asset_generators/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using assetgen::Random;

constexpr int kRate = 11025;
constexpr int kShotSamples = 38080;
constexpr int kImpactSamples = 35001;
constexpr double kTwoPi = 2 * std::numbers::pi;

// A band-pass biquad whose centre may move from sample to sample (0 dB at the centre).
class BandPass {
public:
    double step(double in, double centre, double q)
    {
        const double w = kTwoPi * centre / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        const double out = (alpha * in - alpha * m_in2 + 2 * std::cos(w) * m_out1 - (1 - alpha) * m_out2) / a0;
        m_in2 = m_in1, m_in1 = in;
        m_out2 = m_out1, m_out1 = out;
        return out;
    }

private:
    double m_in1 = 0, m_in2 = 0, m_out1 = 0, m_out2 = 0;
};

// Two one-pole low-passes in a row, with a cut-off that may move from sample to sample.
class LowPass {
public:
    double step(double in, double cutoff)
    {
        const double k = 1 - std::exp(-kTwoPi * cutoff / kRate);
        m_first += k * (in - m_first);
        m_second += k * (m_first - m_second);
        return m_second;
    }

private:
    double m_first = 0;
    double m_second = 0;
};

// Rises in 4 ms, falls to nothing over the last 60 ms of the sound.
double edges(int i, int count, double attackSeconds)
{
    const double t = double(i) / kRate;
    return std::min({1.0, t / attackSeconds, double(count - 1 - i) / (0.06 * kRate)});
}

void normalise(std::vector<double>& samples, double peak)
{
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    for (double& s : samples)
        s *= peak / loudest;
}

std::vector<double> shotSound()
{
    Random random(0x5107);
    BandPass whoosh;
    std::vector<double> samples(kShotSamples);
    double whistlePhase = 0;
    for (int i = 0; i < kShotSamples; ++i) {
        const double t = double(i) / kRate;
        const double sweep = 250 * std::pow(12.0, std::min(t / 1.3, 1.0));
        // Constant-Q filtering passes less noise at low centres: lift them to an even loudness.
        const double air = whoosh.step(random.signedUnit(), sweep, 2.5) * std::sqrt(3000 / sweep);
        whistlePhase += kTwoPi * sweep * 0.5 / kRate;
        const double ignition = random.signedUnit() * std::exp(-t / 0.035);
        const double body = 0.8 * air + 0.12 * std::sin(whistlePhase);
        samples[i] = edges(i, kShotSamples, 0.004) * (body * std::exp(-t / 0.95) + 0.5 * ignition);
    }
    normalise(samples, 0.55);
    return samples;
}

std::vector<double> impactSound()
{
    Random random(0x1B0A);
    LowPass burst;
    LowPass rumble;
    std::vector<double> samples(kImpactSamples);
    double thumpPhase = 0;
    for (int i = 0; i < kImpactSamples; ++i) {
        const double t = double(i) / kRate;
        thumpPhase += kTwoPi * (38 + 52 * std::exp(-t / 0.12)) / kRate;
        const double noise = random.signedUnit();
        const double thump = std::sin(thumpPhase) * std::exp(-t / 0.35);
        const double crack = noise * std::exp(-t / 0.012);
        const double debris = burst.step(noise, 220 + 1800 * std::exp(-t / 0.15)) * std::exp(-t / 0.6);
        const double tail = rumble.step(noise, 90) * std::exp(-t / 0.8);
        samples[i] = edges(i, kImpactSamples, 0.002) * (1.0 * thump + 0.35 * crack + 2.0 * debris + 9.0 * tail);
    }
    normalise(samples, 0.7);
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = assetgen::outputDirectory(argc, argv);
    assetgen::writeFile(dir / "shot.wav", assetgen::wavFile(shotSound(), kRate, assetgen::FactChunk::Omit));
    assetgen::writeFile(dir / "impact.wav", assetgen::wavFile(impactSound(), kRate, assetgen::FactChunk::Include));
    return 0;
}
