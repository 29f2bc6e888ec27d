#pragma once

#include <cstdint>

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
    // Schedules a repaint if the stage changed since the last one; repaints are merged until the screen is drawn.
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
    void paintSprites(QPainter& painter) const;

    const stage::Stage* m_stage = nullptr;
    std::uint64_t m_paintedRevision = 0;
};

} // namespace ui
