#include "app/game_session.h"

#include "assets/assets.h"
#include "game/game.h"
#include "platform/monotonic_uptime.h"
#include "platform/sdl_sound_player.h"
#include "platform/seeded_random.h"
#include "stage/stage.h"
#include "ui/main_window.h"
#include "ui/qt_text_rasterizer.h"
#include "ui/sprite_templates.h"
#include "ui/stage_ticker.h"
#include "ui/stage_view.h"

namespace app {

namespace {

// The stage's drawing area: the 512 x 512 control less its one-pixel border.
constexpr int kDrawingAreaSide = 510;

game::GameAssets loadGameAssets()
{
    return game::GameAssets {ui::letterTemplate(), ui::shotTemplate(), assets::hitPicture(), assets::shotSound()};
}

} // namespace

struct GameSession::Parts {
    Parts(ui::MainWindow& window, game::FallingLetters& letters, const GameMachine& machine)
        : stage(kDrawingAreaSide, kDrawingAreaSide, machine.stageClock, machine.sounds, text)
        , assets(loadGameAssets())
        , game(stage, letters, window, machine.uptime, machine.random, machine.sounds, assets)
    { }

    QObject wiring; // the connections to the window end with it
    ui::QtTextRasterizer text;
    stage::Stage stage;
    game::GameAssets assets;
    game::Game game;
};

GameSession::GameSession(ui::MainWindow& window, game::FallingLetters& letters, const GameMachine& machine)
    : m_parts(std::make_unique<Parts>(window, letters, machine))
    , m_view(window.controls().stage)
{
    auto& game = m_parts->game; // it listens to the stage's events itself
    const QObject* wiring = &m_parts->wiring;
    QObject::connect(&window, &ui::MainWindow::startClicked, wiring, [&game] { game.startGame(); });
    QObject::connect(&window, &ui::MainWindow::stopClicked, wiring, [&game] { game.stopGame(); });
    QObject::connect(&window, &ui::MainWindow::clockTicked, wiring, [&game] { game.onClockTick(); });
    QObject::connect(&window, &ui::MainWindow::stageKeyDown, wiring,
        [&game](int keyCode, int modifiers) { game.onStageKey(keyCode, modifiers); });
    m_view->setStage(&m_parts->stage);
}

GameSession::~GameSession()
{
    if (m_view)
        m_view->setStage(nullptr);
}

stage::Stage& GameSession::stage() { return m_parts->stage; }

game::Game& GameSession::game() { return m_parts->game; }

struct RealMachine::Parts {
    ui::StageTicker ticker;
    platform::MonotonicUptime uptime;
    platform::SeededRandom random;
    platform::SdlSoundPlayer sounds;
};

RealMachine::RealMachine()
    : m_parts(std::make_unique<Parts>())
{ }

RealMachine::~RealMachine() = default;

GameMachine RealMachine::machine()
{
    auto& ticker = m_parts->ticker;
    return GameMachine {[&ticker] { return ticker.nowMs(); }, m_parts->uptime, m_parts->random, m_parts->sounds};
}

void RealMachine::drive(GameSession& session, ui::MainWindow& window)
{
    auto* ticker = &m_parts->ticker;
    ticker->start(session.stage(), *window.controls().stage);
    // Connected after the game's handlers, so the ticker looks at the stage once they have changed it.
    QObject::connect(&window, &ui::MainWindow::startClicked, ticker, &ui::StageTicker::wake);
    QObject::connect(&window, &ui::MainWindow::stopClicked, ticker, &ui::StageTicker::wake);
    QObject::connect(&window, &ui::MainWindow::stageKeyDown, ticker, &ui::StageTicker::wake);
}

} // namespace app
