#include "platform/sdl_sound_player.h"

#include "assets/assets.h"

#include <SDL_mixer.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using platform::SdlSoundPlayer;

constexpr int kShotRate = 11025;

// The shot's samples in [-1, 1].
std::vector<double> shotSamples()
{
    const auto wav = assets::shotSound();
    std::vector<double> samples;
    for (std::size_t at = 44; at + 1 < wav.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(wav[at] | wav[at + 1] << 8) / 32768.0);
    return samples;
}

// Mean square over 5 ms windows stepped by 1 ms, from sample `from` on, for `count` milliseconds.
std::vector<double> energyEnvelope(const std::vector<double>& x, double rate, std::size_t from, int count)
{
    std::vector<double> envelope;
    const auto window = static_cast<std::size_t>(rate * 0.005);
    for (int ms = 0; ms < count; ++ms) {
        const auto start = from + static_cast<std::size_t>(rate * ms / 1000);
        double sum = 0;
        for (std::size_t i = start; i < start + window && i < x.size(); ++i)
            sum += x[i] * x[i];
        envelope.push_back(sum / window);
    }
    return envelope;
}

// Plays through SDL's disk driver, which writes the mixed output to a file as if in real time.
class DiskAudio : public testing::Test {
protected:
    void SetUp() override
    {
        m_file = fs::temp_directory_path() / ("zorvane-disk-audio-" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", m_file.c_str(), 1);
    }

    void TearDown() override { fs::remove(m_file); }

    // The output mixed down to mono, in [-1, 1]; the device writes 16-bit stereo.
    [[nodiscard]] std::vector<double> output() const
    {
        std::ifstream in(m_file, std::ios::binary);
        std::vector<double> mono;
        std::array<std::int16_t, 2> frame {};
        while (in.read(reinterpret_cast<char*>(frame.data()), sizeof frame))
            mono.push_back((frame[0] + frame[1]) / 65536.0);
        return mono;
    }

    // Waits, up to a bound, until the output holds `seconds` of sound after its first non-silent sample.
    void waitForSoundLasting(double seconds, int rate) const
    {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            const auto mono = output();
            const auto onset = std::find_if(mono.begin(), mono.end(), [](double v) { return std::abs(v) > 0.006; });
            if (onset != mono.end() && mono.end() - onset >= seconds * rate)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    fs::path m_file;
};

struct Onsets {
    int second = 0, third = 0; // milliseconds after the first
};

// The two delays at which copies of the single playback's envelope, added to it, best explain
// the recorded envelope (least squares on a log scale).
Onsets fitOnsets(const std::vector<double>& recorded, const std::vector<double>& single)
{
    Onsets best;
    double bestError = std::numeric_limits<double>::max();
    for (int second = 10; second < 150; ++second)
        for (int third = second + 10; third < second + 150; ++third) {
            double error = 0;
            for (std::size_t ms = 0; ms < recorded.size(); ++ms) {
                double model = single[ms];
                model += ms >= std::size_t(second) ? single[ms - second] : 0;
                model += ms >= std::size_t(third) ? single[ms - third] : 0;
                const double d = std::log(recorded[ms] + 1e-7) - std::log(model + 1e-7);
                error += d * d;
            }
            if (error < bestError)
                bestError = error, best = {second, third};
        }
    return best;
}

// Three shots fired 50 ms apart must all be heard, each starting about 50 ms after the one before,
// and sound together where they overlap: the later ones neither wait for nor cut off the first.
TEST_F(DiskAudio, ThreeShotsFiftyMillisecondsApartAreAllHeardTogether)
{
    int rate = 0, channels = 0;
    {
        SdlSoundPlayer player;
        ASSERT_TRUE(player.isOpen());
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 2);
        const auto start = Clock::now();
        for (int shot = 0; shot < 3; ++shot) {
            std::this_thread::sleep_until(start + shot * std::chrono::milliseconds(50));
            player.play(assets::shotSound());
        }
        waitForSoundLasting(0.6, rate);
    }
    const auto mono = output();
    const auto onset = std::find_if(mono.begin(), mono.end(), [](double v) { return std::abs(v) > 0.006; });
    ASSERT_NE(onset, mono.end()) << "nothing was heard";
    const auto first = static_cast<std::size_t>(onset - mono.begin());
    ASSERT_GE(mono.size() - first, std::size_t(0.6 * rate));

    const auto recorded = energyEnvelope(mono, rate, first, 500);
    const auto single = energyEnvelope(shotSamples(), kShotRate, 0, 500);
    const Onsets onsets = fitOnsets(recorded, single);
    // The disk driver runs a little ahead of the clock, so allow a wide margin around 50 ms.
    EXPECT_NEAR(onsets.second, 50, 25);
    EXPECT_NEAR(onsets.third - onsets.second, 50, 25);

    // Gain of one playback, measured before the second starts, against the gain where all three play.
    double alone = 0, aloneRef = 0, together = 0, togetherRef = 0;
    for (int ms = 5; ms < onsets.second - 5; ++ms)
        alone += recorded[ms], aloneRef += single[ms];
    for (int ms = onsets.third + 20; ms < 500; ++ms)
        together += recorded[ms], togetherRef += single[ms];
    EXPECT_GT((together / togetherRef) / (alone / aloneRef), 2.2) << "three playbacks sound at once";
}

// More playbacks than the mixer's first channels: every one is still playing.
TEST_F(DiskAudio, AddsChannelsRatherThanCuttingAPlaybackOff)
{
    SdlSoundPlayer player;
    ASSERT_TRUE(player.isOpen());
    for (int shot = 0; shot < 20; ++shot)
        player.play(assets::shotSound());
    player.play(assets::impactSound());
    EXPECT_EQ(Mix_Playing(-1), 21);
}

TEST_F(DiskAudio, IgnoresBytesThatAreNoSound)
{
    SdlSoundPlayer player;
    ASSERT_TRUE(player.isOpen());
    const std::array<unsigned char, 12> noise = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'J', 'U', 'N', 'K'};
    player.play(noise);
    player.play(noise);
    player.play({});
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Without an audio device the game runs silently.
TEST(SdlSoundPlayerWithoutDevice, StaysSilentAndIgnoresPlay)
{
    setenv("SDL_AUDIODRIVER", "zorvane-no-such-driver", 1);
    SdlSoundPlayer player;
    EXPECT_FALSE(player.isOpen());
    for (int shot = 0; shot < 3; ++shot)
        player.play(assets::shotSound());
    player.play({});
}

} // namespace
