#pragma once

#include <array>

#include <QWidget>

#include "game/game_host.h"
#include "ui/window_controls.h"

class QKeyEvent;

namespace ui {

// The program's only window, "Zorvane": 690 x 534 outside, fixed, centred, minimise but no maximise.
// Its controls live in one client widget that fills the window inside its contents margins, so a
// skin may draw a caption and frame of its own around them. Esc closes the window from any control;
// Tab and Shift+Tab cycle the stage, Start, Stop and the level box.
// The window holds no game rules: it reports clicks, keys and clock ticks and shows what it is told.
class MainWindow : public QWidget, public game::GameHost {
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 690;
    static constexpr int kOuterHeight = 534;

    MainWindow();
    ~MainWindow() override;

    [[nodiscard]] const WindowControls& controls() const { return m_controls; }
    [[nodiscard]] QWidget* client() const { return m_client; }

    // Shows the window at the centre of the primary screen.
    void showCentred();

    // game::GameHost
    [[nodiscard]] std::string levelText() const override;
    void setClockPeriod(int ms) override;
    void focusStage() override;
    [[nodiscard]] int stageOuterHeight() const override;
    void setCaption(game::Readout readout, const std::string& utf8) override;

signals:
    void startClicked();
    void stopClicked();
    void stageKeyDown(int keyCode, int modifiers);
    void clockTicked();

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The stage, Start, Stop and the level box: the controls Tab cycles through.
    [[nodiscard]] std::array<QWidget*, 4> focusCycle() const;
    void onStageKey(QKeyEvent* event);
    void fitOuterSizeToFrame();

    QWidget* m_client;
    WindowControls m_controls;
};

} // namespace ui
