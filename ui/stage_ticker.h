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

// Drives the stage in real time: a precise 5 ms timer ticks it with the milliseconds of a
// monotonic clock, and the view repaints when the tick changed anything.
class StageTicker : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 5;

    explicit StageTicker(QObject* parent = nullptr);

    // Milliseconds since the ticker was made; the stage's clock.
    [[nodiscard]] std::int64_t nowMs() const { return m_elapsed.elapsed(); }

    void start(stage::Stage& stage, StageView& view);

private:
    void tick();

    QElapsedTimer m_elapsed;
    QTimer m_timer;
    stage::Stage* m_stage = nullptr;
    StageView* m_view = nullptr;
};

} // namespace ui
