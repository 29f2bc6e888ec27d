#include "game/game.h"

#include "game/lanes.h"
#include "game/text_to_number.h"

namespace game {

namespace {

constexpr int kLetterStep = 10;
constexpr stage::Color kLetterColor = 255; // pure red
constexpr int kStopAtEdge = 1; // boundary mode: the advance stops when it crosses an edge

// The character of a new letter: a digit when the first draw is 1, else a capital. All three draws
// are always taken, in this order.
std::string drawCharacter(RandomSource& random)
{
    const std::int32_t choice = random.between(1, 2);
    const std::int32_t digit = random.between('0', '9');
    const std::int32_t capital = random.between('A', 'Z');
    return std::string(1, static_cast<char>(choice == 1 ? digit : capital));
}

} // namespace

// Milliseconds between two steps of a letter launched now: the opening wave ignores the speed bonus.
int Game::launchInterval(bool replacement) const
{
    double interval = 550.0 - 50.0 * static_cast<double>(m_state.level);
    if (replacement)
        interval -= static_cast<double>(m_state.speedBonus);
    return toInt32Truncated(interval);
}

// Launches one replacement letter in column, or with single off the opening wave in lanes 1 to 10.
void Game::launchLetters(int column, bool single)
{
    if (m_state.stopping == 1)
        return;
    m_host.focusStage();
    m_random.reseed(m_uptime.uptimeMs());
    const int interval = launchInterval(single);
    if (single) {
        launchOne(column, interval);
        m_state.practiceCount += 1;
    } else {
        for (int lane = 1; lane <= kLaneCount; ++lane)
            launchOne(lane, interval);
        m_state.practiceCount = kLaneCount;
    }
    m_scoreboard.showPracticeCount(m_state);
}

// A red random character copied from the hidden master at the top of its lane, falling by itself.
void Game::launchOne(int column, int interval)
{
    const std::string text = drawCharacter(m_random);
    const stage::SpriteId id = m_stage.copySprite(m_state.letterTemplateId, laneX(column), 0, true);
    m_stage.setSpriteText(id, text, kLetterColor);
    startFalling(id, interval);
    m_letters.appendLetter({.spriteId = id, .text = text, .column = column, .interval = interval});
}

// Down the lane, 10 pixels per interval; it stops when it runs into a shot or crosses an edge.
void Game::startFalling(stage::SpriteId id, int interval)
{
    m_stage.autoAdvance(id, kLetterStep, interval, 0, 0, true, kStopAtEdge, false);
}

} // namespace game
