#pragma once

#include <optional>
#include <span>
#include <string>

#include "stage/color.h"
#include "stage/font.h"
#include "stage/sound_player.h"

namespace stage {

// The starting properties of a sprite (a CartoonObject of the window). Templates are never drawn.
struct SpriteTemplate {
    std::string text; // non-empty: the sprite shows this text, not the picture
    std::optional<Font> font; // none: the default GUI font
    Color textColor = 0;
    std::span<const unsigned char> picture; // GIF file bytes held for the program's life; empty: none
    bool autoGetTransColor = false; // the picture's top-left pixel colour is transparent
    Color transparentColor = kDefaultColor;
    bool playGif = false; // an animated picture plays (for ever) by itself
    int gifDelay = 0; // ms between frames when playing by itself; 0: the picture's own delays
    bool gifAutoDestroy = false; // remove the sprite when a self-playing animation ends
    Color trendColor = rgb(255, 255, 255);
    int trendDepth = 0;
    int light = 0;
    int alpha = 0; // per cent of transparency
    int zoom = 1000; // thousandths
    int layer = 0;
    int angle = 0; // degrees clockwise from straight up
    bool rotateFollow = false;
    int turnType = 0;
    int existTime = 0; // ms the sprite lives; 0: unlimited
    Sound createSound;
    Sound destroySound;
    bool collideAllowed = true;
    Sound collidedSound;
    int type = 0;
};

} // namespace stage
