#include "ui/main_window.h"

#include <array>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/level_edit.h"
#include "ui/period_timer.h"
#include "ui/stage_view.h"
#include "ui/virtual_key.h"

namespace ui {

MainWindow::MainWindow()
    : QWidget(nullptr,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
    , m_client(new QWidget(this))
{
    setWindowTitle(QStringLiteral("Zorvane"));
    setFixedSize(kOuterWidth, kOuterHeight);
    setBackgroundRole(QPalette::Window); // the button face
    setAutoFillBackground(true);

    m_client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_client);
    m_controls = createWindowControls(m_client);

    connect(m_controls.startButton, &QPushButton::clicked, this, &MainWindow::startClicked);
    connect(m_controls.stopButton, &QPushButton::clicked, this, &MainWindow::stopClicked);
    connect(m_controls.clock, &PeriodTimer::ticked, this, &MainWindow::clockTicked);
    connect(m_controls.stage, &StageView::keyDown, this, &MainWindow::onStageKey);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kOuterWidth) / 2, area.y() + (area.height() - kOuterHeight) / 2);
    }
    show();
}

std::string MainWindow::levelText() const { return m_controls.levelBox->text().toStdString(); }

void MainWindow::setClockPeriod(int ms) { m_controls.clock->setPeriod(ms); }

void MainWindow::focusStage() { m_controls.stage->setFocus(Qt::OtherFocusReason); }

int MainWindow::stageOuterHeight() const { return m_controls.stage->height(); }

void MainWindow::setCaption(game::Readout readout, const std::string& utf8)
{
    QLabel* label = nullptr;
    switch (readout) {
    case game::Readout::PracticeCount:
        label = m_controls.practiceCount;
        break;
    case game::Readout::PracticeTime:
        label = m_controls.practiceTime;
        break;
    case game::Readout::Accuracy:
        label = m_controls.accuracy;
        break;
    case game::Readout::Speed:
        label = m_controls.speed;
        break;
    }
    label->setText(QString::fromStdString(utf8));
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const std::array<QWidget*, 4> cycle {
        m_controls.stage, m_controls.startButton, m_controls.stopButton, m_controls.levelBox};
    const auto count = static_cast<int>(cycle.size());
    int index = -1;
    for (int i = 0; i < count; ++i) {
        if (cycle[i] == focusWidget())
            index = i;
    }
    if (index < 0)
        index = next ? -1 : 0;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate = cycle[((index + (next ? step : -step)) % count + count) % count];
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees every key before the focused control does: Esc closes it, whatever has the focus.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Where the desktop draws a frame, the 690 x 534 include it: shrink the client area once the
    // frame is known. Without a frame (or with a skin's own) nothing changes.
    QTimer::singleShot(0, this, &MainWindow::fitOuterSizeToFrame);
}

void MainWindow::fitOuterSizeToFrame()
{
    const QSize frame = frameGeometry().size();
    const QSize inner = geometry().size();
    if (frame == inner || frame.width() < inner.width())
        return;
    const QSize wanted(kOuterWidth - (frame.width() - inner.width()), kOuterHeight - (frame.height() - inner.height()));
    if (wanted != inner)
        setFixedSize(wanted);
}

void MainWindow::onStageKey(QKeyEvent* event) { emit stageKeyDown(virtualKeyCode(*event), modifierState(*event)); }

} // namespace ui
