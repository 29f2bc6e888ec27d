#include "skin/frame_painter.h"

#include <QColor>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skin {
namespace {

constexpr int kCaptionPadding = 6;

QColor colourOf(const Skin& skin, ColourRole role) { return QColor::fromRgba(skin.colour(role)); }

QRect clientRect(const FrameMetrics& m, QSize size)
{
    const int top = m.borderTop + m.captionHeight;
    return QRect(m.borderLeft, top, size.width() - m.borderLeft - m.borderRight, size.height() - top - m.borderBottom);
}

void paintCaptionBar(QPainter& painter, const Skin& skin, const CaptionLayout& layout, bool active)
{
    const auto top = colourOf(skin, active ? ColourRole::CaptionTop : ColourRole::InactiveCaptionTop);
    const auto bottom = colourOf(skin, active ? ColourRole::CaptionBottom : ColourRole::InactiveCaptionBottom);
    QLinearGradient gradient(layout.caption.topLeft(), layout.caption.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(layout.caption, gradient);
    // A faint light line just under the outline gives the bar a soft top edge.
    painter.fillRect(QRect(1, 1, layout.caption.width() - 2, 1), top.lighter(118));
}

void paintBorders(QPainter& painter, const Skin& skin, const FrameState& state)
{
    const auto& m = skin.metrics;
    const QRect client = clientRect(m, state.windowSize);
    const QRect outer(QPoint(0, 0), state.windowSize);
    const QColor fill = colourOf(skin, state.active ? ColourRole::FrameFill : ColourRole::InactiveCaptionBottom);
    painter.fillRect(QRect(0, client.top(), m.borderLeft, outer.height() - client.top()), fill);
    painter.fillRect(QRect(client.right() + 1, client.top(), m.borderRight, outer.height() - client.top()), fill);
    painter.fillRect(QRect(0, client.bottom() + 1, outer.width(), m.borderBottom), fill);
    painter.setPen(colourOf(skin, ColourRole::FrameInner));
    painter.setBrush(Qt::NoBrush);
    if (m.borderLeft > 1 && m.borderRight > 1 && m.borderBottom > 1)
        painter.drawRect(client.adjusted(-1, -1, 0, 0));
    painter.setPen(colourOf(skin, ColourRole::FrameOutline));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
}

void paintTitle(QPainter& painter, const Skin& skin, const CaptionLayout& layout, const FrameState& state)
{
    if (!layout.icon.isEmpty() && !state.icon.isNull())
        state.icon.paint(&painter, layout.icon);
    QFont font = state.font;
    font.setBold(true);
    painter.setFont(font);
    const QString text = QFontMetrics(font).elidedText(state.title, Qt::ElideRight, layout.title.width());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawText(layout.title.translated(1, 1), flags, text);
    painter.setPen(colourOf(skin, state.active ? ColourRole::CaptionText : ColourRole::InactiveCaptionText));
    painter.drawText(layout.title, flags, text);
}

void paintButtonGlyph(QPainter& painter, CaptionButton button, const QRectF& box, const QColor& colour)
{
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = box.center();
    if (button == CaptionButton::Minimise) {
        painter.drawLine(centre + QPointF(-5, 4), centre + QPointF(5, 4));
        return;
    }
    painter.drawLine(centre + QPointF(-4.5, -4.5), centre + QPointF(4.5, 4.5));
    painter.drawLine(centre + QPointF(-4.5, 4.5), centre + QPointF(4.5, -4.5));
}

void paintButton(QPainter& painter, const Skin& skin, CaptionButton button, const QRect& box, const FrameState& state)
{
    const bool hovered = state.hovered == button;
    const bool pressed = state.pressed == button && hovered;
    QColor back = Qt::transparent;
    if (button == CaptionButton::Close && (hovered || pressed))
        back = colourOf(skin, ColourRole::CloseHover);
    else if (hovered)
        back = colourOf(skin, ColourRole::ButtonHover);
    if (pressed)
        back = button == CaptionButton::Close ? back.darker(120) : colourOf(skin, ColourRole::ButtonPressed);
    if (back.alpha() > 0) {
        QPainterPath path;
        path.addRoundedRect(QRectF(box), skin.metrics.buttonRadius, skin.metrics.buttonRadius);
        painter.fillPath(path, back);
    }
    const auto glyph = colourOf(skin, state.active ? ColourRole::CaptionText : ColourRole::InactiveCaptionText);
    paintButtonGlyph(painter, button, QRectF(box), glyph);
}

} // namespace

CaptionButton CaptionLayout::buttonAt(QPoint point) const
{
    if (close.contains(point))
        return CaptionButton::Close;
    if (minimise.contains(point))
        return CaptionButton::Minimise;
    return CaptionButton::None;
}

CaptionLayout captionLayout(const FrameMetrics& m, int windowWidth)
{
    CaptionLayout layout;
    layout.caption = QRect(0, 0, windowWidth, m.borderTop + m.captionHeight);
    const int buttonTop = m.borderTop + (m.captionHeight - m.buttonHeight) / 2;
    const int closeLeft = windowWidth - m.borderRight - kCaptionPadding - m.buttonWidth;
    layout.close = QRect(closeLeft, buttonTop, m.buttonWidth, m.buttonHeight);
    layout.minimise = layout.close.translated(-(m.buttonWidth + m.buttonSpacing), 0);
    const int iconTop = m.borderTop + (m.captionHeight - m.iconSize) / 2;
    layout.icon = QRect(m.borderLeft + kCaptionPadding, iconTop, m.iconSize, m.iconSize);
    const int titleLeft = layout.icon.isEmpty() ? layout.icon.left() : layout.icon.right() + 1 + kCaptionPadding;
    layout.title = QRect(titleLeft, m.borderTop, layout.minimise.left() - kCaptionPadding - titleLeft, m.captionHeight);
    return layout;
}

void paintFrame(QPainter& painter, const Skin& skin, const FrameState& state)
{
    const auto layout = captionLayout(skin.metrics, state.windowSize.width());
    painter.save();
    paintCaptionBar(painter, skin, layout, state.active);
    paintBorders(painter, skin, state);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTitle(painter, skin, layout, state);
    paintButton(painter, skin, CaptionButton::Minimise, layout.minimise, state);
    paintButton(painter, skin, CaptionButton::Close, layout.close, state);
    painter.restore();
}

} // namespace skin
