#pragma once

#include <vector>

#include "stage/sound_player.h"

namespace fakes {

// Remembers every sound it was asked to play, in order.
class RecordingSoundPlayer : public stage::SoundPlayer {
public:
    void play(stage::Sound wav) override { played.push_back(wav); }

    [[nodiscard]] int countOf(stage::Sound wav) const
    {
        int n = 0;
        for (const auto& s : played)
            n += (s.data() == wav.data() && s.size() == wav.size()) ? 1 : 0;
        return n;
    }

    std::vector<stage::Sound> played;
};

} // namespace fakes
