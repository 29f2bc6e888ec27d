#pragma once

#include "stage/sound_player.h"

#include <cstddef>
#include <map>
#include <memory>
#include <utility>

struct Mix_Chunk;

namespace platform {

// Plays RIFF/WAVE sounds from memory through SDL2_mixer. Each distinct sound is decoded once; every
// play() starts a playback of its own on a free mixer channel, adding channels when all are busy,
// so playbacks overlap and none cuts another off. A short device buffer lets a sound start within
// a few milliseconds. Without an audio device the player stays silent.
// SDL's audio is process-wide: keep one player at a time.
class SdlSoundPlayer : public stage::SoundPlayer {
public:
    SdlSoundPlayer();
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    void play(stage::Sound wav) override;

    // True when an audio device was opened; otherwise play() does nothing.
    [[nodiscard]] bool isOpen() const { return m_open; }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
    using SoundKey = std::pair<const unsigned char*, std::size_t>;

    bool openDevice();
    Mix_Chunk* chunkFor(stage::Sound wav);
    void startPlayback(Mix_Chunk* chunk);

    bool m_subsystemStarted = false;
    bool m_open = false;
    std::map<SoundKey, ChunkPtr> m_chunks;
};

} // namespace platform
