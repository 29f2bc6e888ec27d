#pragma once

#include <span>

namespace stage {

// A RIFF/WAVE file held in memory for the whole run of the program. Empty means no sound.
using Sound = std::span<const unsigned char>;

// Plays sounds in the background. play() returns at once; playbacks overlap and never cut each other off.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound wav) = 0;
};

} // namespace stage
