#include "ui/window_controls.h"

#include <QLabel>
#include <QPushButton>

#include "ui/font_substitution.h"
#include "ui/level_edit.h"
#include "ui/period_timer.h"
#include "ui/spin_buttons.h"
#include "ui/stage_view.h"

namespace ui {

namespace {

const QString kYaHei = QStringLiteral("微软雅黑");

// The author's contact number shown in the credit block.
const QString kContactNumber = QStringLiteral("1015003721");

enum class Ground { ButtonFace, Transparent };

template<typename Widget> Widget* place(Widget* widget, const char* name, int x, int y, int width, int height)
{
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

// A caption or read-out: black text, left-aligned on one line, centred vertically, never focused.
// Plain labels fill their box with the button face; transparent ones let the window show through.
QLabel* makeLabel(QWidget* parent, const char* name, QRect box, const QString& text, Ground ground, int fontPixels)
{
    auto* label = place(new QLabel(text, parent), name, box.x(), box.y(), box.width(), box.height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(ground == Ground::ButtonFace);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    if (fontPixels > 0)
        label->setFont(requestedFont(kYaHei, fontPixels));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect box, const QString& caption)
{
    auto* button = place(new QPushButton(caption, parent), name, box.x(), box.y(), box.width(), box.height());
    button->setAutoDefault(false); // Enter never clicks a button; Space does
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

WindowControls createWindowControls(QWidget* client)
{
    WindowControls c;
    constexpr int kNoFont = 0;
    makeLabel(client, "标签3", {512, 120, 84, 24}, QStringLiteral("练习时间："), Ground::ButtonFace, 16);
    c.stage = place(new StageView(client), "动画框1", 0, 0, 512, 512);
    c.startButton = makeButton(client, "按钮1", {545, 264, 103, 40}, QStringLiteral("开始"));
    c.stopButton = makeButton(client, "按钮2", {544, 320, 104, 40}, QStringLiteral("停止"));
    c.clock = new PeriodTimer(client);
    c.clock->setObjectName(QStringLiteral("时钟1"));
    c.practiceTime = makeLabel(client, "标签_计时", {593, 120, 80, 24}, {}, Ground::ButtonFace, kNoFont);
    makeLabel(client, "标签5", {513, 32, 71, 24}, QStringLiteral("练习级别"), Ground::ButtonFace, 16);
    c.levelBox = place(new LevelEdit(client), "编辑框_级别设置", 592, 32, 56, 24);
    c.levelBox->setText(QStringLiteral("1"));
    c.levelBox->setCursorPosition(0);
    c.levelSpin = place(new SpinButtons(c.levelBox, client), "编辑框_级别设置_spin", 648, 32, 18, 24);
    makeLabel(client, "标签6", {512, 72, 72, 24}, QStringLiteral("练习字数："), Ground::ButtonFace, 16);
    c.practiceCount = makeLabel(client, "标签_练习字数", {593, 72, 80, 24}, {}, Ground::ButtonFace, kNoFont);
    makeLabel(client, "标签4", {512, 168, 84, 24}, QStringLiteral("正确率："), Ground::ButtonFace, 16);
    makeLabel(client, "标签7", {516, 224, 52, 24}, QStringLiteral("速度："), Ground::ButtonFace, 16);
    c.speed = makeLabel(client, "标签_速度", {577, 224, 80, 24}, {}, Ground::ButtonFace, kNoFont);
    c.accuracy = makeLabel(client, "标签_正确率", {585, 168, 80, 24}, {}, Ground::ButtonFace, kNoFont);
    makeLabel(client, "透明标签1", {528, 384, 128, 24}, QStringLiteral("作者:Qorvin"), Ground::Transparent, 19);
    makeLabel(client, "透明标签2", {528, 416, 48, 24}, QStringLiteral("QQ:"), Ground::Transparent, 19);
    makeLabel(client, "透明标签3", {528, 448, 144, 40}, kContactNumber, Ground::Transparent, 19);
    return c;
}

} // namespace ui
