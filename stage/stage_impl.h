#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "stage/picture_cache.h"
#include "stage/spatial_grid.h"
#include "stage/sprite.h"
#include "stage/stage.h"

namespace stage {

// What the detection after one step found.
struct StepOutcome {
    bool outOfBounds = false;
    bool crossedEdge = false;
    bool collided = false; // a partner was found, reported or not
    bool eventRaised = false; // a handler ran, so the stage may have changed
};

// The stage's state and its rules. Handlers may change anything, so after every event the code looks
// the sprite up again by id and never keeps a pointer across a listener call.
struct Stage::Impl {
    Impl(int width, int height, Clock clock, SoundPlayer& sounds, TextRasterizer& text);

    // Sprites (stage_sprites.cpp).
    [[nodiscard]] Sprite* find(SpriteId id) const;
    std::unique_ptr<Sprite> newSprite(double x, double y, bool visible);
    SpriteId insert(std::unique_ptr<Sprite> sprite);
    void remove(SpriteId id);
    void erase(SpriteId id);
    void showPicture(Sprite& sprite, PicturePtr picture, bool showsText);
    void showOwnImage(Sprite& sprite);
    void showFrame(Sprite& sprite, int frame);
    bool placeAt(Sprite& sprite, double x, double y);
    void refreshCells(Sprite& sprite);
    [[nodiscard]] static GridEntry gridEntryOf(Sprite& sprite);
    void startLifetime(Sprite& sprite);
    [[nodiscard]] SpriteView viewOf(const Sprite& sprite) const;

    // Time (stage_tick.cpp).
    void tick(std::int64_t nowMs);
    [[nodiscard]] std::optional<std::int64_t> nextDueMs() const;
    void stepAnimation(Sprite& sprite, std::int64_t nowMs);
    void stepAdvance(Sprite& sprite, std::int64_t nowMs);
    void stopAdvance(SpriteId id);
    void startAnimation(Sprite& sprite, int plays, bool removeWhenDone, bool selfPlaying);
    void finishAnimation(SpriteId id);
    [[nodiscard]] int frameDelay(const Sprite& sprite) const;

    // Detection (stage_detection.cpp).
    StepOutcome detect(Sprite& sprite, std::int64_t x0, std::int64_t y0);
    [[nodiscard]] SpriteId findPartner(const Sprite& mover);

    int m_width;
    int m_height;
    Clock m_clock;
    SoundPlayer& m_sounds;
    TextRasterizer& m_text;
    StageListener* m_listener = nullptr;
    StageListener m_silentListener; // stands in while no listener is set

    SpriteId m_lastId = 0;
    std::uint64_t m_revision = 0;
    std::unordered_map<SpriteId, std::unique_ptr<Sprite>> m_sprites;
    std::vector<Sprite*> m_zOrder; // bottom first: by layer, then by id, so the newest is on top of its layer
    SpatialGrid<GridEntry> m_grid;
    PictureCache m_pictures;
    std::vector<SpriteId> m_tickIds; // reused between ticks

    [[nodiscard]] StageListener& listener() { return m_listener ? *m_listener : m_silentListener; }
    void play(Sound sound)
    {
        if (!sound.empty())
            m_sounds.play(sound);
    }
};

} // namespace stage
