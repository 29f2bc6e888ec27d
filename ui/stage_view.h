#pragma once

#include <cstdint>
#include <vector>

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace stage {
class Stage;
}

namespace ui {

// The sprite stage 动画框1: a 512 x 512 box with a one-pixel border around its 510 x 510 white drawing area,
// on which it paints the stage's visible sprites bottom first. It only reads the stage; it repaints when
// told that the stage changed, and hands key presses on to whoever listens.
class StageView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 512;
    static constexpr int kBorder = 1;

    explicit StageView(QWidget* parent = nullptr);

    // The stage to show; nullptr shows an empty drawing area. The stage must outlive the view or be unset.
    void setStage(const stage::Stage* stage);
    // Schedules a repaint of what changed on the stage since the last call: the old and the new places of
    // the sprites that moved, changed picture, appeared or went. Repaints are merged until the screen is drawn.
    void stageChanged();

    [[nodiscard]] QSize sizeHint() const override { return {kSide, kSide}; }

signals:
    // A key went down while the stage has the focus, repeats of a held key included; not Tab nor Esc,
    // which belong to the window.
    void keyDown(QKeyEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where a visible sprite covers the drawing area, and with which pixels.
    struct Footprint {
        std::int32_t id;
        QRect box;
        const void* pixels;
        bool operator==(const Footprint&) const = default;
    };

    void paintSprites(QPainter& painter) const;
    [[nodiscard]] std::vector<Footprint> footprints() const;
    [[nodiscard]] QRegion changedSinceShown(const std::vector<Footprint>& now) const;
    void requestFrame();
    [[nodiscard]] int frameIntervalMs() const;

    const stage::Stage* m_stage = nullptr;
    std::uint64_t m_seenRevision = 0;
    std::vector<Footprint> m_shown; // sorted by id
    QRegion m_pending; // changed, waiting for the next frame
    QTimer m_frameTimer; // at most one repaint per refresh of the display
    QElapsedTimer m_sinceFrame; // since the last repaint was asked for
};

} // namespace ui
