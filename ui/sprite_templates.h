#pragma once

#include "stage/sprite_template.h"

namespace ui {

// 动画物体1: the letter template, a red-violet "A" in Arial Black 29 that falls straight down.
[[nodiscard]] stage::SpriteTemplate letterTemplate();

// 动画物体3: the shot template, the missile picture on a transparent ground that rises straight up.
[[nodiscard]] stage::SpriteTemplate shotTemplate();

} // namespace ui
