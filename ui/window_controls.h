#pragma once

class QLabel;
class QPushButton;
class QWidget;

namespace ui {

class LevelEdit;
class PeriodTimer;
class SpinButtons;
class StageView;

// The controls of the main window, each under its fixed name. The two sprite templates
// (动画物体1, 动画物体3) are plain data, not controls: see sprite_templates.h.
struct WindowControls {
    QLabel* practiceCount = nullptr; // 标签_练习字数
    QLabel* practiceTime = nullptr; // 标签_计时
    QLabel* accuracy = nullptr; // 标签_正确率
    QLabel* speed = nullptr; // 标签_速度
    LevelEdit* levelBox = nullptr; // 编辑框_级别设置
    SpinButtons* levelSpin = nullptr;
    QPushButton* startButton = nullptr; // 按钮1
    QPushButton* stopButton = nullptr; // 按钮2
    StageView* stage = nullptr; // 动画框1
    PeriodTimer* clock = nullptr; // 时钟1
};

// Creates every control on client at its place, bottom of the stacking order first, so that where
// boxes overlap the earlier rows of the window's description lie on top.
WindowControls createWindowControls(QWidget* client);

} // namespace ui
