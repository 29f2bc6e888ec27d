#pragma once

#include <cstdint>

namespace game {

// The game's counters, all 32-bit signed and 0 at program start. The letters live in FallingLetters.
struct GameState {
    std::int32_t stopping = 0; // 1 while Stop clears the stage: nothing is launched then
    std::int32_t hitCount = 0; // letters shot down in this game
    std::int32_t startTick = 0; // uptime reading taken at Start
    std::int32_t speedBonus = 0; // ms taken off the interval of replacement letters
    std::int32_t practiceCount = 0; // letters launched in this game
    std::int32_t level = 0; // practice level read at Start
    std::int32_t letterTemplateId = 0; // hidden master sprite every letter is copied from
};

} // namespace game
