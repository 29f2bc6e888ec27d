#include "ui/stage_ticker.h"

#include <algorithm>
#include <optional>

#include "stage/stage.h"
#include "ui/stage_view.h"

namespace ui {

StageTicker::StageTicker(QObject* parent)
    : QObject(parent)
{
    m_elapsed.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &StageTicker::tick);
}

void StageTicker::start(stage::Stage& stage, StageView& view)
{
    m_stage = &stage;
    m_view = &view;
    m_lastTickMs = nowMs();
    wake();
}

void StageTicker::wake()
{
    if (m_stage == nullptr)
        return;
    m_view->stageChanged();
    scheduleNextTick();
}

void StageTicker::tick()
{
    m_lastTickMs = nowMs();
    m_stage->tick(m_lastTickMs);
    m_view->stageChanged();
    scheduleNextTick();
}

void StageTicker::scheduleNextTick()
{
    const std::optional<std::int64_t> due = m_stage->nextDueMs();
    if (!due) {
        m_timer.stop();
        return;
    }
    const std::int64_t at = std::max(*due, m_lastTickMs + kTickMs);
    m_timer.start(static_cast<int>(std::clamp<std::int64_t>(at - nowMs(), 0, 60'000)));
}

} // namespace ui
