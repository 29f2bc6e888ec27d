#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QPointer>

#include "game/falling_letters.h"
#include "game/random_source.h"
#include "game/uptime.h"
#include "stage/sound_player.h"

namespace game {
class Game;
}
namespace stage {
class Stage;
}
namespace ui {
class MainWindow;
class StageView;
} // namespace ui

namespace app {

// What the game takes from the machine: time, chance and sound. The program uses the real ones
// (RealMachine); in-process tests pass a stepped clock, a seeded generator and a recording player.
struct GameMachine {
    std::function<std::int64_t()> stageClock;
    const game::Uptime& uptime;
    game::RandomSource& random;
    stage::SoundPlayer& sounds;
};

// Makes the window a game: the stage behind 动画框1 and the game itself, wired to the window's events.
// Time moves only when someone ticks the stage (RealMachine's ticker, or a test).
class GameSession {
public:
    GameSession(ui::MainWindow& window, game::FallingLetters& letters, const GameMachine& machine);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    [[nodiscard]] stage::Stage& stage();
    [[nodiscard]] game::Game& game();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    QPointer<ui::StageView> m_view;
};

// The real machine: a monotonic 5 ms ticker, the uptime counter, a random generator and SDL2_mixer.
class RealMachine {
public:
    RealMachine();
    ~RealMachine();
    [[nodiscard]] GameMachine machine();
    // Starts ticking the session's stage and repainting its view in real time.
    void drive(GameSession& session, ui::MainWindow& window);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace app
