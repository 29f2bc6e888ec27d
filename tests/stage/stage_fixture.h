#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/block_text_rasterizer.h"
#include "fakes/gif_builder.h"
#include "fakes/manual_clock.h"
#include "fakes/recording_sound_player.h"
#include "stage/stage.h"

namespace stagetest {

using fakes::buildGif;
using fakes::GifImage;
using fakes::kBlue;
using fakes::kGreen;
using fakes::kRed;
using fakes::kWhite;
using fakes::solidGif;
using stage::SpriteId;

// Writes every event as a line of text and lets a test act inside any handler.
class RecordingListener : public stage::StageListener {
public:
    std::vector<std::string> log;
    std::function<void(SpriteId mover, SpriteId hit)> onCollision;
    std::function<void(SpriteId id, int edges)> onBoundary;
    std::function<void(SpriteId id)> onStopped;
    std::function<void(SpriteId id)> onDestroyed;

    void onSpriteCollision(SpriteId mover, int x0, int y0, SpriteId hit) override
    {
        record("collision " + std::to_string(mover) + " at " + xy(x0, y0) + " hit " + std::to_string(hit));
        if (onCollision)
            onCollision(mover, hit);
    }
    void onBoundaryHit(SpriteId id, int x0, int y0, int edges) override
    {
        record("boundary " + std::to_string(id) + " at " + xy(x0, y0) + " edges " + std::to_string(edges));
        if (onBoundary)
            onBoundary(id, edges);
    }
    void onOutOfBounds(SpriteId id) override { record("out " + std::to_string(id)); }
    void onAdvanceStopped(SpriteId id) override
    {
        record("stopped " + std::to_string(id));
        if (onStopped)
            onStopped(id);
    }
    void onAnimationFinished(SpriteId id) override { record("finished " + std::to_string(id)); }
    void onSpriteWillBeDestroyed(SpriteId id) override
    {
        record("destroyed " + std::to_string(id));
        if (onDestroyed)
            onDestroyed(id);
    }

private:
    void record(std::string line) { log.push_back(std::move(line)); }
    static std::string xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

// A 510 x 510 stage with a manual clock, recording sounds, block glyphs and a recording listener.
class StageTest : public ::testing::Test {
protected:
    static constexpr int kSize = 510;

    StageTest() { stage.setListener(&events); }

    // Keeps picture bytes alive for the stage, which holds on to them.
    std::span<const unsigned char> keep(std::vector<unsigned char> bytes)
    {
        return m_pictures.emplace_back(std::move(bytes));
    }

    // A template showing a solid red block of w x h.
    stage::SpriteTemplate blockTemplate(int w, int h, int type = 0, int layer = 0)
    {
        stage::SpriteTemplate tmpl;
        tmpl.picture = keep(solidGif(w, h));
        tmpl.type = type;
        tmpl.layer = layer;
        return tmpl;
    }

    SpriteId block(int w, int h, double x, double y, int type = 0, int layer = 0, bool visible = true)
    {
        return stage.createSprite(blockTemplate(w, h, type, layer), x, y, visible);
    }

    void tickAt(std::int64_t ms)
    {
        clock.nowMs = ms;
        stage.tick(ms);
    }

    // Ticks every 5 ms from just after now up to and including until.
    void runUntil(std::int64_t until)
    {
        for (std::int64_t t = clock.nowMs + 5; t <= until; t += 5)
            tickAt(t);
    }

    [[nodiscard]] int xOf(SpriteId id) const { return stage.sprite(id).x; }
    [[nodiscard]] int yOf(SpriteId id) const { return stage.sprite(id).y; }

    std::deque<std::vector<unsigned char>> m_pictures; // outlives the stage
    fakes::ManualClock clock;
    fakes::RecordingSoundPlayer sounds;
    fakes::BlockTextRasterizer glyphs;
    RecordingListener events;
    stage::Stage stage {kSize, kSize, [this] { return clock.nowMs; }, sounds, glyphs};
};

} // namespace stagetest
