#pragma once

#include "skin/frame_painter.h"
#include "skin/skin.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

class QMouseEvent;

namespace skin {

// Gives one top-level window the skin's caption and frame: the window loses the desktop's frame, its
// contents margins make room for the skin's, and this filter paints them and handles their mouse clicks.
// The host keeps its controls inside the contents margins, so its outer size includes the skin's frame.
class WindowDecoration : public QObject {
public:
    WindowDecoration(QWidget* window, const Skin& skin);
    ~WindowDecoration() override;

    WindowDecoration(const WindowDecoration&) = delete;
    WindowDecoration& operator=(const WindowDecoration&) = delete;

    [[nodiscard]] QWidget* window() const { return m_window; }

    // Sets flags and margins from the skin again, after the skin has changed.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeFrameless();
    void paint();
    bool mousePress(QMouseEvent* event);
    bool mouseMove(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);
    void setHovered(CaptionButton button);
    void updateCaption();
    [[nodiscard]] CaptionLayout layout() const;

    QPointer<QWidget> m_window;
    const Skin& m_skin;
    CaptionButton m_hovered = CaptionButton::None;
    CaptionButton m_pressed = CaptionButton::None;
    bool m_dragging = false; // moving the window by hand, where the desktop cannot move it for us
    QPoint m_dragOffset;
};

} // namespace skin
