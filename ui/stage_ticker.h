#pragma once

#include <cstdint>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace stage {
class Stage;
}

namespace ui {

class StageView;

// Drives the stage in real time with the milliseconds of a monotonic clock: it ticks the stage every
// 5 ms while something is due, sleeps until the next due time when nothing is due sooner, and has the
// view repaint what a tick changed. Whoever changes the stage between ticks calls wake().
class StageTicker : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 5;

    explicit StageTicker(QObject* parent = nullptr);

    // Milliseconds since the ticker was made; the stage's clock.
    [[nodiscard]] std::int64_t nowMs() const { return m_elapsed.elapsed(); }

    void start(stage::Stage& stage, StageView& view);
    // The stage was changed from outside a tick (a key, a click): show it and look again at what is due.
    void wake();

private:
    void tick();
    void scheduleNextTick();

    QElapsedTimer m_elapsed;
    QTimer m_timer;
    stage::Stage* m_stage = nullptr;
    StageView* m_view = nullptr;
    std::int64_t m_lastTickMs = 0;
};

} // namespace ui
