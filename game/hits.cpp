#include "game/game.h"

#include <cmath>

namespace game {

namespace {

// The explosion's top-left corner relative to the shot's position before the hitting step.
constexpr int kExplosionLeft = 28;
constexpr int kExplosionUp = 40;
constexpr double kBonusEveryHits = 10.0;
constexpr int kBonusMs = 10;

} // namespace

// A shot ran into a sprite: if it is a listed letter, it explodes, counts, and is replaced in its lane.
// A letter running into a shot names the shot as the hit sprite, which is not listed: nothing happens.
void Game::onSpriteCollision(stage::SpriteId /*mover*/, int x0, int y0, stage::SpriteId hit)
{
    const auto position = m_letters.findLetterBySprite(hit);
    if (!position)
        return;
    explode(hit, x0, y0);
    countHit();
    m_scoreboard.showHitStats(m_state);
    launchLetters(m_letters.at(*position).column, true);
    m_letters.removeLetterAt(*position);
}

// A listed letter crossed an edge: it is lost and replaced in its lane, with nothing counted.
void Game::onBoundaryHit(stage::SpriteId id, int /*x0*/, int /*y0*/, int /*edges*/)
{
    const auto position = m_letters.findLetterBySprite(id);
    if (!position)
        return;
    m_stage.destroySprite(id);
    launchLetters(m_letters.at(*position).column, true);
    m_letters.removeLetterAt(*position);
}

// A letter that stepped onto a rising shot stops, and the shot's next step normally strikes it where
// it stands. When that step strikes another letter instead (two letters in one lane after a second
// Start), the stopped letter would hang in mid-air for the rest of the game: a letter still listed
// after its advance stopped therefore falls on at its own pace.
void Game::onAdvanceStopped(stage::SpriteId id)
{
    const auto position = m_letters.findLetterBySprite(id);
    if (position)
        startFalling(id, m_letters.at(*position).interval);
}

// The letter's sprite becomes the explosion, plays once where the shot struck and then goes.
void Game::explode(stage::SpriteId letter, int shotX, int shotY)
{
    m_stage.setSpritePicture(letter, m_assets.hitPicture, stage::kTopLeftTransparent);
    m_stage.moveSprite(letter, shotX - kExplosionLeft, shotY - kExplosionUp, false);
    m_stage.playAnimation(letter, 1, true);
}

// Every tenth hit makes the letters launched from then on step 10 ms sooner.
void Game::countHit()
{
    m_state.hitCount += 1;
    if (std::fabs(std::fmod(static_cast<double>(m_state.hitCount), kBonusEveryHits)) <= 1e-7)
        m_state.speedBonus += kBonusMs;
}

} // namespace game
