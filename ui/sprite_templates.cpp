#include "ui/sprite_templates.h"

#include "assets/assets.h"
#include "stage/color.h"

namespace ui {

namespace {

constexpr int kAnsiCharset = 0;

} // namespace

stage::SpriteTemplate letterTemplate()
{
    stage::SpriteTemplate t;
    t.text = std::string(1, 'A');
    t.font = stage::Font {"Arial Black", 29, 400, kAnsiCharset};
    t.textColor = stage::rgb(128, 128, 255);
    t.autoGetTransColor = false;
    t.playGif = false;
    t.layer = 0;
    t.angle = 180; // advances straight down
    t.existTime = 0;
    t.collideAllowed = true;
    t.collidedSound = assets::impactSound();
    t.type = 1;
    return t;
}

stage::SpriteTemplate shotTemplate()
{
    stage::SpriteTemplate t;
    t.textColor = stage::rgb(0, 0, 0);
    t.picture = assets::shotPicture();
    t.autoGetTransColor = true; // the white ground around the missile is transparent
    t.playGif = true;
    t.layer = 0;
    t.angle = 0; // advances straight up
    t.existTime = 0;
    t.destroySound = assets::impactSound();
    t.collideAllowed = true;
    t.collidedSound = assets::impactSound();
    t.type = 0;
    return t;
}

} // namespace ui
