#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "stage/color.h"
#include "stage/image.h"
#include "stage/sound_player.h"
#include "stage/sprite_template.h"
#include "stage/stage_listener.h"
#include "stage/text_rasterizer.h"

namespace stage {

// Transparency values for setSpritePicture besides a plain colour.
inline constexpr Color kNoTransparency = static_cast<Color>(-1); // only the picture's own
inline constexpr Color kTopLeftTransparent = static_cast<Color>(-2); // colour of the top-left pixel

// What a reader (the view, a test) may see of one sprite.
struct SpriteView {
    SpriteId id = 0;
    int x = 0; // truncated toward zero
    int y = 0;
    bool visible = false;
    int layer = 0;
    int type = 0;
    const std::string* text = nullptr;
    const Image* image = nullptr; // the frame shown now; may be empty
    bool advancing = false;
};

// The sprite stage: sprites on a drawing area of width x height pixels, moved by automatic advances,
// animated, and checked pixel by pixel for collisions and edge crossings.
// The stage never reads a clock: tick(nowMs) moves it on, and operations that start something timed
// read the injected clock. Events go synchronously to the listener.
class Stage {
public:
    // The clock returns milliseconds on the same scale as tick(); it must outlive the stage.
    using Clock = std::function<std::int64_t()>;

    Stage(int width, int height, Clock clock, SoundPlayer& sounds, TextRasterizer& text);
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    void setListener(StageListener* listener);

    [[nodiscard]] int width() const;
    [[nodiscard]] int height() const;

    // Adds a sprite with every property of the template, top-left corner at (x, y), on top of its layer.
    // Plays the template's create sound. Ids start at 1 and are never given out twice.
    SpriteId createSprite(const SpriteTemplate& tmpl, double x, double y, bool visible);
    // Duplicates a sprite (properties, image and text) at (x, y) on top of its layer; -1 for an unknown source.
    SpriteId copySprite(SpriteId source, double x, double y, bool visible);
    // Re-renders the sprite's image from text in its font: lines, text colour exact, transparent ground.
    void setSpriteText(SpriteId id, const std::string& text, Color color);
    // Replaces the image by a GIF picture; transparency is kNoTransparency, kTopLeftTransparent or a colour.
    // Animation restarts at the first frame; any animation in progress ends. The text stays but is not shown.
    void setSpritePicture(SpriteId id, std::span<const unsigned char> gif, Color transparency);
    // Places the sprite; with detection it checks edges and collisions as a step of an advance does.
    void moveSprite(SpriteId id, double x, double y, bool detect);
    // 自动前进: every interval ms move step pixels along the sprite's angle. Limits of 0 mean none.
    // boundaryMode: 0 never stops at an edge (unless it left the area and no limit is set),
    // 1 stops when it crossed or left, 2 stops when it left entirely.
    void autoAdvance(SpriteId id, int step, int interval, int distanceLimit, int timeLimit, bool stopOnCollision,
        int boundaryMode, bool removeWhenStopped);
    // 播放动画: plays the frames from the current one to the last, plays times (0: for ever).
    void playAnimation(SpriteId id, int plays, bool removeWhenDone);
    // Removes the sprite, announcing it and playing its destroy sound.
    void destroySprite(SpriteId id);
    // Removes every sprite, bottom of the z-order first, each with its destroy sound.
    void removeAllSprites();

    // Moves time on to nowMs: advances, animations and lifetimes that are due, with their events.
    void tick(std::int64_t nowMs);
    // The earliest time at which a tick would do anything, or none while nothing moves, plays or ages.
    // A time already passed means the next tick is due at once.
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const;

    // Readers.
    [[nodiscard]] bool contains(SpriteId id) const;
    [[nodiscard]] SpriteView sprite(SpriteId id) const; // id 0 when there is no such sprite
    [[nodiscard]] std::size_t spriteCount() const;
    // Calls visit for every sprite, bottom of the z-order first.
    void forEachSprite(const std::function<void(const SpriteView&)>& visit) const;
    // Grows whenever anything that a view draws has changed.
    [[nodiscard]] std::uint64_t revision() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace stage
