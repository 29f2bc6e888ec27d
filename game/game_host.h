#pragma once

#include <string>

namespace game {

// The four read-outs of the scoreboard.
enum class Readout { PracticeCount, PracticeTime, Accuracy, Speed };

// What the game needs from the main window; the window implements it, tests fake it.
class GameHost {
public:
    virtual ~GameHost() = default;
    [[nodiscard]] virtual std::string levelText() const = 0; // text of the level box 编辑框_级别设置
    virtual void setClockPeriod(int ms) = 0; // 时钟1: 0 stops it, an unchanged value keeps its rhythm
    virtual void focusStage() = 0; // keyboard focus to 动画框1
    [[nodiscard]] virtual int stageOuterHeight() const = 0; // 动画框1 as a control, border included
    virtual void setCaption(Readout readout, const std::string& utf8) = 0;
};

} // namespace game
