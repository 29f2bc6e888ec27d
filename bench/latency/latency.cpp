// Key-to-frame latency of the real window: a key event for a falling character goes to the stage
// widget; we time until the shot is on the stage and until the first frame painted with it.
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

// Notes the time of the first paint of the stage view after each key press.
class PaintWatch : public QObject {
public:
    QElapsedTimer clock;
    qint64 pressedAt = -1;
    qint64 paintedAt = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && pressedAt >= 0 && paintedAt < 0)
            paintedAt = clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};

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

    PaintWatch watch;
    watch.clock.start();
    auto* view = window.controls().stage;
    view->installEventFilter(&watch);

    std::vector<double> toStage, toFrame;
    QTimer pressTimer;
    int pressed = 0;
    QObject::connect(&pressTimer, &QTimer::timeout, [&] {
        if (watch.pressedAt >= 0 && watch.paintedAt >= 0)
            toFrame.push_back((watch.paintedAt - watch.pressedAt) / 1e6);
        if (pressed++ == presses || letters.empty()) {
            QApplication::quit();
            return;
        }
        const auto key = static_cast<Qt::Key>(letters.at(0).text[0]);
        const std::size_t before = session.stage().spriteCount();
        watch.paintedAt = -1;
        watch.pressedAt = watch.clock.nsecsElapsed();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
        QApplication::sendEvent(view, &press);
        if (session.stage().spriteCount() > before)
            toStage.push_back((watch.clock.nsecsElapsed() - watch.pressedAt) / 1e6);
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
    std::printf("%-28s %-12.3f %.3f\n", "to first frame painted", median(toFrame),
        *std::max_element(toFrame.begin(), toFrame.end()));
    return 0;
}
