#include "ui/stage_view.h"

#include <QKeyEvent>
#include <QPainter>

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
}

void StageView::setStage(const stage::Stage* stage)
{
    m_stage = stage;
    update();
}

void StageView::stageChanged()
{
    if (m_stage != nullptr && m_stage->revision() != m_paintedRevision)
        update();
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
    m_paintedRevision = m_stage->revision();
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
