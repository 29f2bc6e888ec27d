#pragma once

#include "game/falling_letters.h"
#include "game/game_assets.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "game/scoreboard.h"
#include "game/uptime.h"
#include "stage/stage.h"

namespace game {

// The typing game: its state and the handlers of the seven events that drive it.
// Everything runs on one thread; each handler runs to its end before the next.
class Game : public stage::StageListener {
public:
    // letters is the program's list, created at start-up and released by the exit routine.
    // The game makes itself the stage's listener and lets go of it when destroyed; every collaborator
    // must outlive it.
    Game(stage::Stage& stage, FallingLetters& letters, GameHost& host, const Uptime& uptime, RandomSource& random,
        stage::SoundPlayer& sounds, const GameAssets& assets);
    ~Game() override;

    void startGame(); // 按钮1 clicked
    void stopGame(); // 按钮2 clicked
    void onStageKey(int keyCode, int modifiers); // key down on 动画框1
    void onClockTick(); // 时钟1

    void onSpriteCollision(stage::SpriteId mover, int x0, int y0, stage::SpriteId hit) override;
    void onBoundaryHit(stage::SpriteId id, int x0, int y0, int edges) override;
    void onAdvanceStopped(stage::SpriteId id) override;

    [[nodiscard]] const GameState& state() const { return m_state; }
    [[nodiscard]] const FallingLetters& fallingLetters() const { return m_letters; }

private:
    void launchLetters(int column, bool single);
    void launchOne(int column, int interval);
    [[nodiscard]] int launchInterval(bool replacement) const;
    void fireShot(int column);
    void startFalling(stage::SpriteId id, int interval);
    void explode(stage::SpriteId letter, int shotX, int shotY);
    void countHit();

    stage::Stage& m_stage;
    FallingLetters& m_letters;
    GameHost& m_host;
    const Uptime& m_uptime;
    RandomSource& m_random;
    stage::SoundPlayer& m_sounds;
    const GameAssets& m_assets;
    GameState m_state;
    Scoreboard m_scoreboard;
};

} // namespace game
