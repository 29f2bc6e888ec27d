// Cost of one 5 ms stage tick with the game's sprites, and with growing numbers of sprites that all move.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "fakes/block_text_rasterizer.h"
#include "fakes/gif_builder.h"
#include "stage/stage.h"

namespace {

using fakes::GifImage;
using stage::SpriteId;

class SilentPlayer : public stage::SoundPlayer {
public:
    void play(stage::Sound) override { }
};

// The shot: a 9 x 31 missile on a white ground that its top-left colour makes transparent.
std::vector<unsigned char> shotPicture()
{
    GifImage image {0, 0, 9, 31, std::vector<std::uint8_t>(9 * 31, 0)};
    for (int y = 0; y < 31; ++y) {
        const int half = y < 4 ? y / 2 : (y > 24 ? 4 : 2);
        for (int x = 4 - half; x <= 4 + half; ++x)
            image.indices[y * 9 + x] = (y == 10 || y == 11 || y == 18) ? 1 : 3;
    }
    return fakes::buildGif(9, 31, {image});
}

// The explosion: 8 frames of 62 x 64, a growing disc on a green ground, each image left in place.
std::vector<unsigned char> explosionPicture()
{
    std::vector<GifImage> images;
    for (int f = 0; f < 8; ++f) {
        GifImage image {0, 0, 62, 64, std::vector<std::uint8_t>(62 * 64, 2), 0, DISPOSE_DO_NOT, 0};
        const double radius = 6 + 3.5 * f;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 62; ++x)
                if (std::hypot(x - 31, y - 32) < radius)
                    image.indices[y * 62 + x] = (x + y + f) % 3 == 0 ? 3 : 1;
        images.push_back(std::move(image));
    }
    return fakes::buildGif(62, 64, images);
}

// Keeps everything in motion for ever, as the game does by replacing what leaves: a sprite that reaches
// the bottom goes back to the top, one that reaches the top goes back to the bottom, both wholly inside.
class WrapAround : public stage::StageListener {
public:
    explicit WrapAround(stage::Stage& stage)
        : m_stage(stage)
    { }
    void onBoundaryHit(SpriteId id, int x0, int, int edges) override
    {
        if (edges & 8)
            m_stage.moveSprite(id, x0, 0, false);
        else if (edges & 2)
            m_stage.moveSprite(id, x0, m_stage.height() - 40, false);
    }
    void onSpriteCollision(SpriteId, int, int, SpriteId) override { ++collisions; }
    long collisions = 0;

private:
    stage::Stage& m_stage;
};

struct Bench {
    explicit Bench(int side = 510);

    std::int64_t now = 0;
    SilentPlayer sounds;
    fakes::BlockTextRasterizer glyphs;
    std::vector<unsigned char> shotGif = shotPicture();
    std::vector<unsigned char> explosionGif = explosionPicture();
    stage::Stage stage;
    WrapAround wrap {stage};
    stage::SpriteTemplate letter, shot;

    void setUp()
    {
        glyphs.cellWidth = 24;
        glyphs.cellHeight = 40;
        glyphs.inkTop = 6;
        glyphs.inkBottom = 36;
        stage.setListener(&wrap);
        letter.text.push_back('A');
        letter.textColor = 255;
        letter.angle = 180;
        letter.type = 1;
        shot.picture = shotGif;
        shot.autoGetTransColor = true;
        shot.playGif = true;
    }

    // Advances that never end by themselves: leaving the area is handled by the wrap-around.
    void advance(SpriteId id, int step, int interval, std::int64_t phase)
    {
        now = -phase;
        stage.autoAdvance(id, step, interval, 1 << 30, 0, false, 0, false);
        now = 0;
    }
    SpriteId addLetter(double x, double y, char c, int step, int interval, std::int64_t phase)
    {
        const SpriteId id = stage.createSprite(letter, x, y, true);
        stage.setSpriteText(id, std::string(1, c), 255);
        advance(id, step, interval, phase);
        return id;
    }
    SpriteId addShot(double x, double y, int step, int interval, std::int64_t phase)
    {
        const SpriteId id = stage.createSprite(shot, x, y, true);
        advance(id, step, interval, phase);
        return id;
    }
    SpriteId addExplosion(double x, double y, std::int64_t phase)
    {
        const SpriteId id = stage.createSprite(letter, x, y, true);
        stage.setSpritePicture(id, explosionGif, stage::kTopLeftTransparent);
        stage.playAnimation(id, 0, false);
        advance(id, 10, 100, phase);
        return id;
    }
    void tick()
    {
        now += 5;
        stage.tick(now);
    }
};

Bench::Bench(int side)
    : stage(
        side, side, [this] { return now; }, sounds, glyphs)
{
    setUp();
}

// The game at its busiest: 20 letters falling 10 pixels every 100 ms, 40 shots rising 20 pixels every 10 ms,
// 20 explosions playing while they fall.
void BM_GameTick(benchmark::State& state)
{
    Bench bench;
    std::mt19937 random(7);
    for (int i = 0; i < 20; ++i)
        bench.addLetter(
            42 * (1 + i % 10), (i / 10) * 250 + random() % 200, static_cast<char>('A' + i), 10, 100, random() % 100);
    for (int i = 0; i < 40; ++i)
        bench.addShot(42 * (1 + i % 10) + 5, random() % 510, 20, 10, random() % 10);
    for (int i = 0; i < 20; ++i)
        bench.addExplosion(42 * (1 + i % 10) - 23, random() % 450, random() % 100);
    for (int i = 0; i < 200; ++i)
        bench.tick(); // settle into the steady state
    for (auto _ : state)
        bench.tick();
    state.counters["sprites"] = static_cast<double>(bench.stage.spriteCount());
    state.counters["collisions/tick"]
        = benchmark::Counter(static_cast<double>(bench.wrap.collisions), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameTick);

// n sprites that all step at every tick: half letters falling, half shots rising, spread over a stage of the
// given side.
void runMovingSprites(benchmark::State& state, int side)
{
    Bench bench(side);
    std::mt19937 random(11);
    const auto n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i) {
        const double x = random() % (side - 24), y = random() % (side - 30);
        if (i % 2 == 0)
            bench.addLetter(x, y, static_cast<char>('0' + i % 10), 2, 0, 0);
        else
            bench.addShot(x, y, 4, 0, 0);
    }
    for (int i = 0; i < 50; ++i)
        bench.tick();
    for (auto _ : state)
        bench.tick();
    state.SetComplexityN(n);
    state.counters["ns/sprite"] = benchmark::Counter(
        static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// On the game's 510 x 510 stage: the more sprites, the more of them overlap each one.
void BM_MovingSprites(benchmark::State& state) { runMovingSprites(state, 510); }
BENCHMARK(BM_MovingSprites)->Arg(100)->Arg(300)->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// On a stage that grows with the count, so each sprite has as many neighbours as with 100 on 510 x 510.
void BM_MovingSpritesSameDensity(benchmark::State& state)
{
    runMovingSprites(state, static_cast<int>(510 * std::sqrt(state.range(0) / 100.0)));
}
BENCHMARK(BM_MovingSpritesSameDensity)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

} // namespace
