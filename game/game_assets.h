#pragma once

#include <span>

#include "stage/sound_player.h"
#include "stage/sprite_template.h"

namespace game {

// The templates and media the game uses; all bytes live for the whole run.
struct GameAssets {
    stage::SpriteTemplate letterTemplate; // 动画物体1
    stage::SpriteTemplate shotTemplate; // 动画物体3
    std::span<const unsigned char> hitPicture;
    stage::Sound shotSound;
};

} // namespace game
