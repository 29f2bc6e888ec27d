// Key-to-frame latency of the real window: a key event for a falling character goes to the stage
// widget; we time until the shot is on the stage (just below the drawing area) and until the first
// frame in which it shows, after its first step up into the drawing area.
// Prints the median and the maximum of both over a few hundred presses.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "app/game_session.h"
#include "game/game.h"
#include "stage/stage.h"
#include "ui/font_substitution.h"
#include "ui/main_window.h"
#include "ui/stage_view.h"

namespace {

// Notes when the stage view first paints a frame in which the newest shot shows in the drawing area.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const stage::Stage& stage)
        : m_stage(stage)
    { }

    QElapsedTimer clock;
    qint64 pressedAt = -1;
    qint64 firstPaintAt = -1; // the first frame after the key
    qint64 paintedAt = -1; // the first frame with the shot in view
    stage::SpriteId shot = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || shot == 0)
            return QObject::eventFilter(watched, event);
        if (firstPaintAt < 0)
            firstPaintAt = clock.nsecsElapsed();
        if (paintedAt < 0 && m_stage.contains(shot) && m_stage.sprite(shot).y < m_stage.height())
            paintedAt = clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const stage::Stage& m_stage;
};

// The newest shot on the stage (shots are the sprites of type 0), or 0.
stage::SpriteId newestShot(const stage::Stage& stage)
{
    stage::SpriteId newest = 0;
    stage.forEachSprite([&newest](const stage::SpriteView& sprite) {
        if (sprite.type == 0)
            newest = std::max(newest, sprite.id);
    });
    return newest;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::installFontSubstitutions();
    const int presses = argc > 1 ? std::atoi(argv[1]) : 300;

    app::RealMachine machine;
    ui::MainWindow window;
    game::FallingLetters letters;
    app::GameSession session(window, letters, machine.machine());
    machine.drive(session, window);
    window.showCentred();
    window.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();

    PaintWatch watch(session.stage());
    watch.clock.start();
    auto* view = window.controls().stage;
    view->installEventFilter(&watch);

    std::vector<double> toStage, toNextFrame, toFrame;
    QTimer pressTimer;
    int pressed = 0;
    QObject::connect(&pressTimer, &QTimer::timeout, [&] {
        if (watch.shot != 0 && watch.paintedAt >= 0) {
            toNextFrame.push_back((watch.firstPaintAt - watch.pressedAt) / 1e6);
            toFrame.push_back((watch.paintedAt - watch.pressedAt) / 1e6);
        }
        if (pressed++ == presses || letters.empty()) {
            QApplication::quit();
            return;
        }
        const auto key = static_cast<Qt::Key>(letters.at(0).text[0]);
        const stage::SpriteId before = newestShot(session.stage());
        watch.paintedAt = -1;
        watch.firstPaintAt = -1;
        watch.shot = 0;
        watch.pressedAt = watch.clock.nsecsElapsed();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
        QApplication::sendEvent(view, &press);
        const stage::SpriteId shot = newestShot(session.stage());
        if (shot != before) {
            toStage.push_back((watch.clock.nsecsElapsed() - watch.pressedAt) / 1e6);
            watch.shot = shot;
        }
    });
    pressTimer.start(40);
    QApplication::exec();

    if (toStage.empty() || toFrame.empty()) {
        std::printf("no shots were fired\n");
        return 1;
    }
    std::printf("%-28s %-12s %s\n", "from key event", "median ms", "max ms");
    std::printf("%-28s %-12.3f %.3f\n", "to shot on the stage", median(toStage),
        *std::max_element(toStage.begin(), toStage.end()));
    std::printf("%-28s %-12.3f %.3f\n", "to the next frame painted", median(toNextFrame),
        *std::max_element(toNextFrame.begin(), toNextFrame.end()));
    std::printf("%-28s %-12.3f %.3f\n", "to first frame showing it", median(toFrame),
        *std::max_element(toFrame.begin(), toFrame.end()));
    return 0;
}
