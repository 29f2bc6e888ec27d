// Measures how fast a letter really falls when the program's own 5 ms ticker drives the stage:
// for levels 1, 5 and 10 one letter advances for 10 s of real time and its pace is compared with
// the ideal of 10 pixels per interval. Prints one row per level.
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "stage/stage.h"
#include "ui/font_substitution.h"
#include "ui/qt_text_rasterizer.h"
#include "ui/sprite_templates.h"
#include "ui/stage_ticker.h"
#include "ui/stage_view.h"

namespace {

class Silence : public stage::SoundPlayer {
public:
    void play(stage::Sound) override { }
};

struct Row {
    int level;
    int interval;
    double idealPxPerSecond;
    double measuredPxPerSecond;
};

Row measure(int level, int seconds)
{
    const int interval = 550 - 50 * level;
    Silence silence;
    ui::QtTextRasterizer text;
    ui::StageTicker ticker;
    // A stage tall enough that the letter never reaches the bottom while it is measured.
    stage::Stage stage(
        510, 1'000'000, [&ticker] { return ticker.nowMs(); }, silence, text);
    ui::StageView view;
    view.setStage(&stage);
    const auto id = stage.createSprite(ui::letterTemplate(), 42, 0, true);
    QElapsedTimer elapsed;
    elapsed.start();
    stage.autoAdvance(id, 10, interval, 0, 0, true, 1, false);
    ticker.start(stage, view);
    // The pace is the distance over the time from the call to the last step seen, so a run that ends
    // between two steps does not count the unfinished interval. A 1 ms watch notes each step.
    int lastY = 0;
    qint64 lastStepMs = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (stage.sprite(id).y != lastY) {
            lastY = stage.sprite(id).y;
            lastStepMs = elapsed.elapsed();
        }
    });
    watch.start(1);
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double secondsTaken = static_cast<double>(lastStepMs) / 1000.0;
    return Row {level, interval, 10.0 * 1000.0 / interval, secondsTaken > 0 ? lastY / secondsTaken : 0.0};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::installFontSubstitutions();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    std::printf("%-6s %-10s %-14s %-14s %s\n", "level", "interval", "ideal px/s", "measured px/s", "pace");
    for (const int level : {1, 5, 10}) {
        const Row row = measure(level, seconds);
        std::printf("%-6d %-10d %-14.2f %-14.2f %.1f%%\n", row.level, row.interval, row.idealPxPerSecond,
            row.measuredPxPerSecond, 100.0 * row.measuredPxPerSecond / row.idealPxPerSecond);
    }
    return 0;
}
