#pragma once

#include <memory>

#include <QPointer>

#include "game/falling_letters.h"

namespace ui {
class MainWindow;
class StageView;
}

namespace app {

// Everything that makes the window a game: the stage behind 动画框1 with its 5 ms ticker, the sound
// player, uptime and random number sources, and the game itself, wired to the window's events.
class GameSession {
public:
    GameSession(ui::MainWindow& window, game::FallingLetters& letters);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    QPointer<ui::StageView> m_view;
};

} // namespace app
