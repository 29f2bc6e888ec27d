#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/block_text_rasterizer.h"
#include "fakes/fake_game_host.h"
#include "fakes/manual_clock.h"
#include "fakes/recording_sound_player.h"
#include "fakes/scripted_random.h"
#include "game/game.h"
#include "stage/stage.h"
#include "test_pictures.h"

namespace gametest {

inline constexpr int kStageSize = 510; // drawing area inside the one-pixel border of a 512 x 512 control
inline constexpr int kTickMs = 5;
inline constexpr int kExplosionFrames = 2;

// The whole game on a real stage: the stage's clock and the uptime are one manual clock that the test
// steps 5 ms at a time, as the stage's own timer would; characters come from a scripted random source.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        assets.letterTemplate.text = "A";
        assets.letterTemplate.textColor = stage::rgb(128, 128, 255);
        assets.letterTemplate.angle = 180;
        assets.letterTemplate.type = 1;
        assets.letterTemplate.collidedSound = impactSound;
        assets.shotTemplate.picture = shotPicture;
        assets.shotTemplate.autoGetTransColor = true;
        assets.shotTemplate.playGif = true;
        assets.shotTemplate.angle = 0;
        assets.shotTemplate.type = 0;
        assets.shotTemplate.collidedSound = impactSound;
        assets.shotTemplate.destroySound = impactSound;
        assets.hitPicture = hitPicture;
        assets.shotSound = shotSound;
    }

    // Moves time on to t, ticking the stage every 5 ms on the way.
    void stepTo(std::int64_t t)
    {
        while (clock.nowMs + kTickMs <= t) {
            clock.nowMs += kTickMs;
            stage.tick(clock.nowMs);
        }
    }
    void stepBy(std::int64_t ms) { stepTo(clock.nowMs + ms); }

    // Ticks until pred holds, at most limitMs; returns whether it came true.
    template<typename Pred> bool stepUntil(Pred pred, std::int64_t limitMs = 30'000)
    {
        const std::int64_t end = clock.nowMs + limitMs;
        while (!pred() && clock.nowMs < end)
            stepBy(kTickMs);
        return pred();
    }

    // Starts a game whose opening wave shows characters[0] in lane 1, characters[1] in lane 2, ...
    void startWith(const std::string& characters)
    {
        for (char ch : characters)
            random.queueCharacter(ch);
        game.startGame();
    }

    [[nodiscard]] bool listed(stage::SpriteId id) const { return letters.findLetterBySprite(id).has_value(); }
    [[nodiscard]] stage::SpriteId idShowing(char ch) const
    {
        const auto p = letters.findLetterByText(std::string(1, ch));
        return p ? letters.at(*p).spriteId : 0;
    }
    [[nodiscard]] int shotsOnStage() const
    {
        int shots = 0;
        stage.forEachSprite([&](const stage::SpriteView& s) { shots += s.type == 0 ? 1 : 0; });
        return shots;
    }

    // Presses the key of ch and ticks until the letter showing it is gone from the list (hit).
    bool shoot(char ch)
    {
        const stage::SpriteId target = idShowing(ch);
        game.onStageKey(ch, 0);
        return stepUntil([&] { return !listed(target); }, 2'000);
    }

    // Ticks until the sprite moves; returns the milliseconds that took.
    std::int64_t msUntilFirstStep(stage::SpriteId id)
    {
        const std::int64_t from = clock.nowMs;
        const int y = stage.sprite(id).y;
        stepUntil([&] { return stage.sprite(id).y != y; }, 5'000);
        return clock.nowMs - from;
    }

    static constexpr std::array<unsigned char, 4> shotSound {'s', 'h', 'o', 't'};
    static constexpr std::array<unsigned char, 4> impactSound {'b', 'o', 'o', 'm'};
    const std::vector<unsigned char> shotPicture = shotGif();
    const std::vector<unsigned char> hitPicture = explosionGif(kExplosionFrames);

    fakes::ManualClock clock;
    fakes::RecordingSoundPlayer sounds;
    fakes::BlockTextRasterizer text;
    fakes::FakeGameHost host;
    fakes::ScriptedRandom random;
    stage::Stage stage {kStageSize, kStageSize, [this] { return clock.nowMs; }, sounds, text};
    game::FallingLetters letters;
    game::GameAssets assets;
    game::Game game {stage, letters, host, clock, random, sounds, assets};
};

} // namespace gametest
