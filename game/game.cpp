#include "game/game.h"

#include "game/text_to_number.h"

namespace game {

namespace {

constexpr int kClockPeriodMs = 1000;

} // namespace

Game::Game(stage::Stage& stage, FallingLetters& letters, GameHost& host, const Uptime& uptime, RandomSource& random,
    stage::SoundPlayer& sounds, const GameAssets& assets)
    : m_stage(stage)
    , m_letters(letters)
    , m_host(host)
    , m_uptime(uptime)
    , m_random(random)
    , m_sounds(sounds)
    , m_assets(assets)
    , m_scoreboard(host, uptime)
{
    m_stage.setListener(this);
}

Game::~Game() { m_stage.setListener(nullptr); }

// A Start during a running game begins a new count: the letters already falling stay, but hits, the
// speed bonus and the start time are taken afresh together with the practice count, so accuracy and
// speed always describe one and the same stretch of play.
void Game::startGame()
{
    m_state.level = toInt32Truncated(textToNumber(m_host.levelText()));
    m_state.letterTemplateId = m_stage.createSprite(m_assets.letterTemplate, 0, 0, false);
    m_state.hitCount = 0;
    m_state.speedBonus = 0;
    m_state.startTick = m_uptime.uptimeMs();
    launchLetters(0, false);
    m_host.setClockPeriod(kClockPeriodMs);
}

// Clears the stage and the list; the read-outs keep the last game's texts.
void Game::stopGame()
{
    m_state.stopping = 1;
    m_host.setClockPeriod(0);
    m_stage.removeAllSprites();
    m_letters.clearLetters();
    m_state.stopping = 0;
    m_state.hitCount = 0;
    m_state.startTick = 0;
    m_state.speedBonus = 0;
    m_state.practiceCount = 0;
}

void Game::onClockTick() { m_scoreboard.showPracticeTime(m_state); }

} // namespace game
