#include "skin/window_decoration.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace skin {

WindowDecoration::WindowDecoration(QWidget* window, const Skin& skin)
    : m_window(window)
    , m_skin(skin)
{
    makeFrameless();
    m_window->setMouseTracking(true); // hover over the caption buttons; children keep their own tracking
    m_window->installEventFilter(this);
    refresh();
}

WindowDecoration::~WindowDecoration()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void WindowDecoration::refresh()
{
    if (!m_window)
        return;
    const auto& m = m_skin.metrics;
    m_window->setContentsMargins(m.borderLeft, m.borderTop + m.captionHeight, m.borderRight, m.borderBottom);
    m_window->update();
}

void WindowDecoration::makeFrameless()
{
    const Qt::WindowFlags flags = m_window->windowFlags() | Qt::FramelessWindowHint;
    if (QWindow* handle = m_window->windowHandle()) {
        // The native window exists already (possibly shown): change its flags in place rather than
        // through setWindowFlags, which would recreate and hide it.
        m_window->overrideWindowFlags(flags);
        handle->setFlags(flags);
        return;
    }
    m_window->setWindowFlags(flags);
}

bool WindowDecoration::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paint();
        return false; // the window paints whatever it paints itself on top, inside its margins
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return mouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        return layout().caption.contains(static_cast<QMouseEvent*>(event)->position().toPoint());
    case QEvent::Leave:
        setHovered(CaptionButton::None);
        return false;
    case QEvent::ActivationChange:
        m_window->update(); // the borders change colour with the caption
        return false;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        updateCaption();
        return false;
    default:
        return false;
    }
}

void WindowDecoration::paint()
{
    QPainter painter(m_window);
    FrameState state;
    state.windowSize = m_window->size();
    state.active = m_window->isActiveWindow();
    state.hovered = m_hovered;
    state.pressed = m_pressed;
    state.title = m_window->windowTitle();
    state.icon = m_window->windowIcon();
    state.font = m_window->font();
    paintFrame(painter, m_skin, state);
}

bool WindowDecoration::mousePress(QMouseEvent* event)
{
    const auto bar = layout();
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !bar.caption.contains(point))
        return false;
    m_pressed = bar.buttonAt(point);
    if (m_pressed != CaptionButton::None) {
        updateCaption();
        return true;
    }
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove())
        return true;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - m_window->pos();
    return true;
}

bool WindowDecoration::mouseMove(QMouseEvent* event)
{
    if (m_dragging) {
        m_window->move(event->globalPosition().toPoint() - m_dragOffset);
        return true;
    }
    setHovered(layout().buttonAt(event->position().toPoint()));
    return false;
}

bool WindowDecoration::mouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    if (m_dragging) {
        m_dragging = false;
        return true;
    }
    const CaptionButton pressed = std::exchange(m_pressed, CaptionButton::None);
    if (pressed == CaptionButton::None)
        return false;
    updateCaption();
    // A click counts only when the button is released over the button it was pressed on.
    if (layout().buttonAt(event->position().toPoint()) != pressed)
        return true;
    if (pressed == CaptionButton::Minimise)
        m_window->showMinimized();
    else
        m_window->close();
    return true;
}

void WindowDecoration::setHovered(CaptionButton button)
{
    if (button == m_hovered)
        return;
    m_hovered = button;
    updateCaption();
}

void WindowDecoration::updateCaption() { m_window->update(layout().caption); }

CaptionLayout WindowDecoration::layout() const { return captionLayout(m_skin.metrics, m_window->width()); }

} // namespace skin
