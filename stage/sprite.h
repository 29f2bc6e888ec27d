#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "stage/color.h"
#include "stage/geometry.h"
#include "stage/picture.h"
#include "stage/spatial_grid.h"
#include "stage/sprite_template.h"
#include "stage/stage_listener.h"

namespace stage {

// An automatic advance in progress: a step of step pixels whenever interval ms have passed.
struct Advance {
    bool active = false;
    int step = 0;
    int interval = 0;
    int distanceLimit = 0; // pixels; 0 or less: none
    int timeLimit = 0; // ms; 0 or less: none
    bool stopOnCollision = false;
    int boundaryMode = 0;
    bool removeWhenStopped = false;
    std::int64_t startMs = 0;
    std::int64_t baseMs = 0; // the next interval counts from here
    double travelled = 0;
};

// Frames being played, either by 播放动画 or by a picture that plays by itself.
struct Animation {
    bool active = false;
    int playsLeft = 0; // 0: for ever
    bool removeWhenDone = false;
    bool selfPlaying = false;
    int firstFrame = 0;
    std::int64_t dueMs = 0; // when the next frame shows
};

struct Sprite;

// A sprite as the collision grid holds it: with the properties that never change after creation and decide
// whether it can be a partner at all, so that most candidates are passed over without visiting the sprite.
struct GridEntry {
    Sprite* sprite = nullptr;
    SpriteId id = 0;
    int layer = 0;
    int type = 0;
    bool collideAllowed = false;

    friend bool operator==(const GridEntry& a, const GridEntry& b) { return a.sprite == b.sprite; }
};

// One sprite of the stage. Its properties are those of a template; text holds the sprite's text.
struct Sprite {
    SpriteId id = 0;
    SpriteTemplate props;
    bool visible = false;
    double x = 0;
    double y = 0;
    std::int64_t left = 0; // x and y truncated, as drawing and detection use them
    std::int64_t top = 0;

    PicturePtr picture;
    int frame = 0;
    bool showsText = false;
    std::span<const unsigned char> pictureBytes; // the picture shown when the text is empty
    Color pictureTransparency = kDefaultColor;

    Advance advance;
    unsigned advanceGeneration = 0; // grows whenever an advance starts, so a restarted one is told apart
    Animation animation;
    unsigned animationGeneration = 0;
    std::optional<std::int64_t> deathMs; // end of the lifetime
    SpriteId lastPartner = 0; // the partner of the previous collision, 0 for none
    CellRange cells; // where the grid holds the sprite
    bool dying = false;

    // Places the top-left corner; true when the whole-pixel position changed.
    bool moveTo(double newX, double newY)
    {
        x = newX;
        y = newY;
        const std::int64_t newLeft = truncatePosition(newX);
        const std::int64_t newTop = truncatePosition(newY);
        const bool moved = newLeft != left || newTop != top;
        left = newLeft;
        top = newTop;
        return moved;
    }

    [[nodiscard]] const Frame* currentFrame() const
    {
        if (!picture || frame < 0 || frame >= static_cast<int>(picture->frames.size()))
            return nullptr;
        return &picture->frames[static_cast<std::size_t>(frame)];
    }
    [[nodiscard]] int frameCount() const { return picture ? static_cast<int>(picture->frames.size()) : 0; }
};

} // namespace stage
