#include "platform/sdl_sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {
namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
// 256 sample frames at 44.1 kHz: the device asks for more sound every 5.8 ms.
constexpr int kDeviceBufferFrames = 256;

} // namespace

void SdlSoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SdlSoundPlayer::SdlSoundPlayer() { m_open = openDevice(); }

SdlSoundPlayer::~SdlSoundPlayer()
{
    if (m_open) {
        Mix_HaltChannel(-1);
        m_chunks.clear();
        Mix_CloseAudio();
    }
    if (m_subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::openDevice()
{
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into quit events that nobody reads,
    // so the program could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_subsystemStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!m_subsystemStarted)
        return false;
    return Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kDeviceBufferFrames) == 0;
}

void SdlSoundPlayer::play(stage::Sound wav)
{
    if (!m_open || wav.empty())
        return;
    if (Mix_Chunk* chunk = chunkFor(wav))
        startPlayback(chunk);
}

// Decoded once per sound, keyed by where its bytes live; a sound that does not decode is
// remembered as silent so it is not decoded again.
Mix_Chunk* SdlSoundPlayer::chunkFor(stage::Sound wav)
{
    const SoundKey key {wav.data(), wav.size()};
    auto found = m_chunks.find(key);
    if (found == m_chunks.end()) {
        SDL_RWops* source = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
        found = m_chunks.emplace(key, ChunkPtr(source ? Mix_LoadWAV_RW(source, 1) : nullptr)).first;
    }
    return found->second.get();
}

// When every channel is busy the mixer gets twice as many, so the new playback never waits for
// or replaces one in progress.
void SdlSoundPlayer::startPlayback(Mix_Chunk* chunk)
{
    if (Mix_PlayChannel(-1, chunk, 0) >= 0)
        return;
    const int channels = Mix_AllocateChannels(-1);
    Mix_AllocateChannels(channels > 0 ? channels * 2 : MIX_CHANNELS);
    Mix_PlayChannel(-1, chunk, 0);
}

} // namespace platform
