#include "game/game.h"

#include "game/lanes.h"

namespace game {

namespace {

constexpr int kShotOffset = 5; // the shot rises 5 px right of its lane's left edge
constexpr int kShotStep = 20;
constexpr int kShotInterval = 10;
constexpr int kStopWhenGone = 2; // boundary mode: the advance stops only when the shot left the area

bool isShootableKey(int keyCode) { return (keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z'); }

} // namespace

// A digit or letter key fires a shot up the lane of the first falling letter that shows it.
void Game::onStageKey(int keyCode, int /*modifiers*/)
{
    if (!isShootableKey(keyCode))
        return;
    const auto position = m_letters.findLetterByText(std::string(1, static_cast<char>(keyCode)));
    if (!position)
        return;
    fireShot(m_letters.at(*position).column);
}

// The shot starts just below the drawing area and rises until it meets a letter or leaves at the top.
void Game::fireShot(int column)
{
    const stage::SpriteId shot = m_stage.createSprite(m_assets.shotTemplate, 0, 0, true);
    m_stage.moveSprite(shot, laneX(column) + kShotOffset, m_host.stageOuterHeight(), true);
    m_stage.autoAdvance(shot, kShotStep, kShotInterval, 0, 0, true, kStopWhenGone, true);
    m_sounds.play(m_assets.shotSound);
}

} // namespace game
