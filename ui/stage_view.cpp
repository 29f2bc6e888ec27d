#include "ui/stage_view.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "stage/stage.h"

namespace ui {
namespace {

const QColor kBorderColor(64, 64, 64);
constexpr int kDrawingSide = StageView::kSide - 2 * StageView::kBorder;

bool belongsToTheWindow(const QKeyEvent& event)
{
    const int key = event.key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape;
}

} // namespace

StageView::StageView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kSide, kSide);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &StageView::requestFrame);
}

void StageView::setStage(const stage::Stage* stage)
{
    m_stage = stage;
    m_shown = footprints();
    m_seenRevision = m_stage != nullptr ? m_stage->revision() : 0;
    update();
}

void StageView::stageChanged()
{
    if (m_stage == nullptr || m_stage->revision() == m_seenRevision)
        return;
    m_seenRevision = m_stage->revision();
    std::vector<Footprint> now = footprints();
    m_pending
        += changedSinceShown(now).translated(kBorder, kBorder) & QRect(kBorder, kBorder, kDrawingSide, kDrawingSide);
    m_shown = std::move(now);
    // A change is drawn at once unless a frame went out less than a refresh ago; then it waits for
    // the next refresh together with whatever else changes meanwhile.
    if (m_pending.isEmpty() || m_frameTimer.isActive())
        return;
    const qint64 sinceFrame = m_sinceFrame.isValid() ? m_sinceFrame.elapsed() : frameIntervalMs();
    if (sinceFrame >= frameIntervalMs())
        requestFrame();
    else
        m_frameTimer.start(static_cast<int>(frameIntervalMs() - sinceFrame));
}

int StageView::frameIntervalMs() const
{
    const qreal hz = screen() != nullptr && screen()->refreshRate() > 1 ? screen()->refreshRate() : 60.0;
    return qMax(1, qRound(1000.0 / hz));
}

void StageView::requestFrame()
{
    if (m_pending.isEmpty())
        return;
    update(m_pending);
    m_pending = QRegion();
    m_sinceFrame.start();
}

QRegion StageView::changedSinceShown(const std::vector<Footprint>& now) const
{
    // Both lists are sorted by id: walk them together and collect the boxes of every difference.
    QRegion dirty;
    auto before = m_shown.cbegin();
    auto after = now.cbegin();
    while (before != m_shown.cend() || after != now.cend()) {
        if (after == now.cend() || (before != m_shown.cend() && before->id < after->id)) {
            dirty += (before++)->box;
        } else if (before == m_shown.cend() || after->id < before->id) {
            dirty += (after++)->box;
        } else {
            if (!(*before == *after))
                dirty += before->box.united(after->box);
            ++before;
            ++after;
        }
    }
    return dirty;
}

std::vector<StageView::Footprint> StageView::footprints() const
{
    std::vector<Footprint> prints;
    if (m_stage == nullptr)
        return prints;
    m_stage->forEachSprite([&prints](const stage::SpriteView& sprite) {
        const stage::Image* image = sprite.image;
        if (sprite.visible && image != nullptr && !image->isEmpty())
            prints.push_back({sprite.id, QRect(sprite.x, sprite.y, image->width, image->height), image->pixels.data()});
    });
    std::sort(prints.begin(), prints.end(), [](const Footprint& a, const Footprint& b) { return a.id < b.id; });
    return prints;
}

void StageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBorderColor);
    const QRect drawingArea(kBorder, kBorder, kDrawingSide, kDrawingSide);
    painter.fillRect(drawingArea, Qt::white);
    if (m_stage == nullptr)
        return;
    painter.setClipRect(drawingArea);
    painter.translate(kBorder, kBorder);
    // Pictures are shown pixel for pixel; at a higher device pixel ratio each pixel becomes a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    paintSprites(painter);
}

void StageView::paintSprites(QPainter& painter) const
{
    m_stage->forEachSprite([&painter](const stage::SpriteView& sprite) {
        const stage::Image* image = sprite.image;
        if (!sprite.visible || image == nullptr || image->isEmpty())
            return;
        // Transparent pixels are stored as 0, so the pixels read the same premultiplied or not.
        const QImage frame(reinterpret_cast<const uchar*>(image->pixels.data()), image->width, image->height,
            image->width * 4, QImage::Format_ARGB32_Premultiplied);
        painter.drawImage(QPoint(sprite.x, sprite.y), frame);
    });
}

void StageView::keyPressEvent(QKeyEvent* event)
{
    if (belongsToTheWindow(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyDown(event);
}

} // namespace ui
