#pragma once

#include "skin/skin.h"

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QPainter;

namespace skin {

// The caption buttons the engine draws; there is no maximise button.
enum class CaptionButton { None, Minimise, Close };

// Where the parts of the caption bar lie in a window of a given width.
struct CaptionLayout {
    QRect caption; // the whole bar, top border included
    QRect icon;
    QRect title;
    QRect minimise;
    QRect close;

    [[nodiscard]] CaptionButton buttonAt(QPoint point) const;
};

[[nodiscard]] CaptionLayout captionLayout(const FrameMetrics& metrics, int windowWidth);

// What the frame shows besides the skin itself.
struct FrameState {
    QSize windowSize;
    bool active = true;
    CaptionButton hovered = CaptionButton::None;
    CaptionButton pressed = CaptionButton::None;
    QString title;
    QIcon icon;
    QFont font;
};

// Paints the caption bar and the frame around the client area; the client area itself is left alone.
void paintFrame(QPainter& painter, const Skin& skin, const FrameState& state);

} // namespace skin
