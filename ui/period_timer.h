#pragma once

#include <QObject>
#include <QTimer>

namespace ui {

// The clock 时钟1: a timer driven by its period in milliseconds. 0 (or less) stops it; writing the
// period it already has changes nothing, so a running clock keeps its rhythm.
class PeriodTimer : public QObject {
    Q_OBJECT
public:
    explicit PeriodTimer(QObject* parent = nullptr);

    void setPeriod(int ms);
    [[nodiscard]] int period() const { return m_period; }

signals:
    void ticked();

private:
    QTimer m_timer;
    int m_period = 0;
};

} // namespace ui
