// The real main window on Qt's offscreen platform: its controls, the level box, focus and keys.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ui/main_window.h"
#include "ui/period_timer.h"
#include "ui/spin_buttons.h"
#include "ui/stage_view.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<ui::MainWindow>();
        window->showCentred();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }

    template<typename T = QWidget> T* control(const char* name) const
    {
        auto* widget = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit* levelBox() const { return control<QLineEdit>("编辑框_级别设置"); }

    void focusOn(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    std::unique_ptr<ui::MainWindow> window;
};

struct Placement {
    const char* name;
    QRect box;
    const char* text; // nullptr: not a label
};

TEST_F(MainWindowTest, ControlsStandAtTheirPlacesWithTheirCaptions)
{
    const Placement rows[] = {
        {"透明标签3", {528, 448, 144, 40}, nullptr},
        {"透明标签2", {528, 416, 48, 24}, "QQ:"},
        {"透明标签1", {528, 384, 128, 24}, "作者:Qorvin"},
        {"标签_正确率", {585, 168, 80, 24}, ""},
        {"标签_速度", {577, 224, 80, 24}, ""},
        {"标签7", {516, 224, 52, 24}, "速度："},
        {"标签4", {512, 168, 84, 24}, "正确率："},
        {"标签_练习字数", {593, 72, 80, 24}, ""},
        {"标签6", {512, 72, 72, 24}, "练习字数："},
        {"编辑框_级别设置", {592, 32, 56, 24}, nullptr},
        {"标签5", {513, 32, 71, 24}, "练习级别"},
        {"标签_计时", {593, 120, 80, 24}, ""},
        {"按钮2", {544, 320, 104, 40}, nullptr},
        {"按钮1", {545, 264, 103, 40}, nullptr},
        {"动画框1", {0, 0, 512, 512}, nullptr},
        {"标签3", {512, 120, 84, 24}, "练习时间："},
        {"编辑框_级别设置_spin", {648, 32, 18, 24}, nullptr},
    };
    for (const auto& row : rows) {
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.box) << row.name;
        EXPECT_TRUE(widget->isVisible()) << row.name;
        if (row.text != nullptr) {
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), QString::fromUtf8(row.text)) << row.name;
        }
    }
    EXPECT_EQ(control<QPushButton>("按钮1")->text(), QStringLiteral("开始"));
    EXPECT_EQ(control<QPushButton>("按钮2")->text(), QStringLiteral("停止"));
    EXPECT_EQ(levelBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(window->frameGeometry().size(), QSize(690, 534)) << "the outer size includes any frame";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvane"));
}

TEST_F(MainWindowTest, WindowIsFixedWithMinimiseButNoMaximise)
{
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Where boxes overlap, the read-out lies above its caption.
TEST_F(MainWindowTest, ReadOutsLieAboveTheCaptionsTheyOverlap)
{
    const QList<QObject*> order = window->client()->children();
    const auto indexOf = [&](const char* name) { return order.indexOf(control(name)); };
    EXPECT_GT(indexOf("标签_正确率"), indexOf("标签4"));
    EXPECT_GT(indexOf("标签_计时"), indexOf("标签3"));
    EXPECT_GT(indexOf("透明标签3"), indexOf("按钮2"));
}

// Every caption is drawn with a face that has all its characters: no missing-glyph boxes.
TEST_F(MainWindowTest, CaptionFontsHaveEveryCharacter)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        for (const char32_t c : label->text().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c))
                << label->objectName().toStdString() << " lacks U+" << std::hex << static_cast<unsigned>(c);
    }
    const QFontInfo yaHei(control<QLabel>("标签6")->font());
    EXPECT_TRUE(yaHei.family().contains(QStringLiteral("WenQuanYi")) || yaHei.family().contains(QStringLiteral("Noto")))
        << yaHei.family().toStdString();
    EXPECT_EQ(QFontInfo(control<QLabel>("标签6")->font()).pixelSize(), 16);
    EXPECT_EQ(QFontInfo(control<QLabel>("透明标签1")->font()).pixelSize(), 19);
}

TEST_F(MainWindowTest, LevelBoxDropsTypedNonDigitsButNotPastedText)
{
    QLineEdit* box = levelBox();
    focusOn(box);
    box->clear();
    QTest::keyClicks(box, QStringLiteral("a1b2-"));
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("1"));

    box->clear();
    QApplication::clipboard()->setText(QStringLiteral("x300"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("x300"));
}

struct FocusLoss {
    const char* typed;
    const char* after;
};

TEST_F(MainWindowTest, LevelBoxNormalisesWhenItLosesTheFocus)
{
    const FocusLoss cases[] = {{"300", "255"}, {"0", ""}, {"00", ""}, {"007", "7"}, {"12", "12"}};
    for (const auto& c : cases) {
        focusOn(levelBox());
        levelBox()->setText(QString::fromUtf8(c.typed));
        focusOn(control("按钮1"));
        EXPECT_EQ(levelBox()->text(), QString::fromUtf8(c.after)) << c.typed;
    }
}

TEST_F(MainWindowTest, SpinArrowsWriteSelectAndFocusTheBox)
{
    auto* up = control<QToolButton>("spinUp");
    auto* down = control<QToolButton>("spinDown");
    levelBox()->setText(QStringLiteral("10"));
    up->click();
    EXPECT_EQ(levelBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(levelBox()->selectedText(), QStringLiteral("1"));
    EXPECT_TRUE(levelBox()->hasFocus());
    down->click();
    EXPECT_EQ(levelBox()->text(), QStringLiteral("10"));
    levelBox()->setText(QString());
    down->click();
    EXPECT_EQ(levelBox()->text(), QStringLiteral("10"));
}

TEST_F(MainWindowTest, TabCyclesStageStartStopAndLevelBox)
{
    QWidget* cycle[] = {control("动画框1"), control("按钮1"), control("按钮2"), control("编辑框_级别设置")};
    focusOn(cycle[0]);
    for (int i = 1; i <= 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), cycle[i % 4]) << "after " << i << " tabs";
    }
    for (int i = 3; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), cycle[i]) << "back to " << i;
    }
}

TEST_F(MainWindowTest, SpaceClicksAFocusedButtonAndEnterDoesNot)
{
    QSignalSpy starts(window.get(), &ui::MainWindow::startClicked);
    auto* start = control<QPushButton>("按钮1");
    focusOn(start);
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Enter);
    EXPECT_EQ(starts.count(), 0);
    QTest::keyClick(start, Qt::Key_Space);
    EXPECT_EQ(starts.count(), 1);
}

TEST_F(MainWindowTest, EscClosesTheWindowFromAnyControl)
{
    for (const char* name : {"编辑框_级别设置", "动画框1", "按钮2"}) {
        window->showCentred();
        QApplication::processEvents();
        focusOn(control(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << name;
    }
}

TEST_F(MainWindowTest, StageKeysReachTheGameAsVirtualKeyCodes)
{
    std::vector<std::pair<int, int>> keys; // code, modifiers; the modifier keys themselves left out
    QObject::connect(window.get(), &ui::MainWindow::stageKeyDown, window.get(), [&keys](int code, int modifiers) {
        if (code < 16 || code > 18)
            keys.emplace_back(code, modifiers);
    });
    QWidget* stage = control("动画框1");
    focusOn(stage);
    QTest::keyClick(stage, Qt::Key_K);
    QTest::keyClick(stage, Qt::Key_K, Qt::ShiftModifier);
    QTest::keyClick(stage, Qt::Key_7);
    QTest::keyClick(stage, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(stage, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(stage, Qt::Key_Exclam, Qt::ShiftModifier); // no scan code here: not a digit
    const std::vector<std::pair<int, int>> expected {{75, 0}, {75, 2}, {55, 0}, {52, 0}, {189, 0}, {0, 2}};
    EXPECT_EQ(keys, expected);
}

TEST_F(MainWindowTest, ClockPeriodZeroStopsAndTheSameValueKeepsTheRhythm)
{
    auto* clock = window->findChild<ui::PeriodTimer*>(QStringLiteral("时钟1"));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->period(), 0);
    window->setClockPeriod(1000);
    EXPECT_EQ(clock->period(), 1000);
    window->setClockPeriod(-5);
    EXPECT_EQ(clock->period(), 0);
}

TEST_F(MainWindowTest, GameHostWritesTheReadOuts)
{
    window->setCaption(game::Readout::Accuracy, "66.7%");
    window->setCaption(game::Readout::PracticeTime, "10秒");
    EXPECT_EQ(control<QLabel>("标签_正确率")->text(), QStringLiteral("66.7%"));
    EXPECT_EQ(control<QLabel>("标签_计时")->text(), QStringLiteral("10秒"));
    EXPECT_EQ(window->stageOuterHeight(), 512);
    EXPECT_EQ(window->levelText(), "1");
}

} // namespace
