#include "ui/stage_ticker.h"

#include "stage/stage.h"
#include "ui/stage_view.h"

namespace ui {

StageTicker::StageTicker(QObject* parent)
    : QObject(parent)
{
    m_elapsed.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &StageTicker::tick);
}

void StageTicker::start(stage::Stage& stage, StageView& view)
{
    m_stage = &stage;
    m_view = &view;
    m_timer.start(kTickMs);
}

void StageTicker::tick()
{
    m_stage->tick(nowMs());
    m_view->stageChanged();
}

} // namespace ui
