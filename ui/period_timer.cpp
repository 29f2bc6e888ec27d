#include "ui/period_timer.h"

namespace ui {

PeriodTimer::PeriodTimer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PeriodTimer::ticked);
}

void PeriodTimer::setPeriod(int ms)
{
    const int period = ms < 0 ? 0 : ms;
    if (period == m_period)
        return;
    m_period = period;
    if (period == 0)
        m_timer.stop();
    else
        m_timer.start(period);
}

} // namespace ui
