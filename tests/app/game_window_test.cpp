// The game through the real main window and its real handlers, on Qt's offscreen platform, with a
// stepped clock: Start, falling letters, the clock, Stop, a lost letter and the road of one hit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/game_session.h"
#include "assets/assets.h"
#include "fakes/manual_clock.h"
#include "fakes/recording_sound_player.h"
#include "game/game.h"
#include "platform/seeded_random.h"
#include "stage/stage.h"
#include "ui/main_window.h"
#include "ui/period_timer.h"
#include "ui/stage_view.h"

namespace {

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest()
        : session(window, letters, app::GameMachine {[this] { return clock.nowMs; }, clock, random, sounds})
    {
        window.showCentred();
        QApplication::processEvents();
    }

    template<typename T = QWidget> T* control(const char* name) const
    {
        return window.findChild<T*>(QString::fromUtf8(name));
    }

    QString caption(const char* name) const { return control<QLabel>(name)->text(); }

    void setLevel(const char* text) { control<QLineEdit>("编辑框_级别设置")->setText(QString::fromUtf8(text)); }

    void clickStart() { control<QPushButton>("按钮1")->click(); }
    void clickStop() { control<QPushButton>("按钮2")->click(); }

    // Moves time on in 5 ms ticks, as the program's ticker does.
    void advance(int ms)
    {
        for (int t = 0; t < ms; t += 5) {
            clock.nowMs += 5;
            session.stage().tick(clock.nowMs);
        }
        window.controls().stage->stageChanged();
    }

    // Ticks until the condition holds or the limit passes; returns whether it held.
    template<typename Condition> bool advanceUntil(Condition condition, int limitMs)
    {
        for (int t = 0; t < limitMs; t += 5) {
            if (condition())
                return true;
            advance(5);
        }
        return condition();
    }

    [[nodiscard]] stage::SpriteView spriteOf(const game::FallingLetter& letter) const
    {
        return const_cast<app::GameSession&>(session).stage().sprite(letter.spriteId);
    }

    fakes::ManualClock clock;
    fakes::RecordingSoundPlayer sounds;
    platform::SeededRandom random;
    ui::MainWindow window;
    game::FallingLetters letters;
    app::GameSession session;
};

bool isGameCharacter(const std::string& text)
{
    return text.size() == 1 && ((text[0] >= '0' && text[0] <= '9') || (text[0] >= 'A' && text[0] <= 'Z'));
}

bool hasRedPixels(const stage::Image& image)
{
    for (const auto pixel : image.pixels) {
        if (pixel == 0xFFFF0000u)
            return true;
    }
    return false;
}

TEST_F(GameWindowTest, StartLaunchesTenRedCharactersAcrossTheTopOfTheLanes)
{
    clickStart();
    ASSERT_EQ(letters.size(), 10u);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const auto& letter = letters.at(i);
        EXPECT_EQ(letter.column, static_cast<int>(i) + 1);
        EXPECT_TRUE(isGameCharacter(letter.text)) << letter.text;
        const auto sprite = spriteOf(letter);
        EXPECT_EQ(sprite.x, 42 * letter.column);
        EXPECT_EQ(sprite.y, 0);
        EXPECT_TRUE(sprite.visible);
        ASSERT_NE(sprite.image, nullptr);
        EXPECT_TRUE(hasRedPixels(*sprite.image)) << "lane " << letter.column;
    }
    EXPECT_EQ(caption("标签_练习字数"), QStringLiteral("10"));
    EXPECT_EQ(window.findChild<ui::PeriodTimer*>(QStringLiteral("时钟1"))->period(), 1000);
    EXPECT_TRUE(control("动画框1")->hasFocus());
}

TEST_F(GameWindowTest, ClockShowsWholeSecondsSinceStart)
{
    clickStart();
    advance(10'000);
    emit window.findChild<ui::PeriodTimer*>(QStringLiteral("时钟1"))->ticked();
    EXPECT_EQ(caption("标签_计时"), QStringLiteral("10秒"));
}

struct Pace {
    const char* level;
    int intervalMs;
};

TEST_F(GameWindowTest, LettersStepTenPixelsPerIntervalOfTheLevel)
{
    for (const Pace pace : {Pace {"1", 500}, Pace {"10", 50}}) {
        setLevel(pace.level);
        clickStart();
        const auto first = letters.at(0);
        advance(pace.intervalMs - 5);
        EXPECT_EQ(spriteOf(first).y, 0) << "level " << pace.level;
        advance(5);
        EXPECT_EQ(spriteOf(first).y, 10) << "level " << pace.level;
        advance(pace.intervalMs * 3);
        EXPECT_EQ(spriteOf(first).y, 40) << "level " << pace.level;
        clickStop();
    }
}

TEST_F(GameWindowTest, StopEmptiesStageAndListAndKeepsTheReadOuts)
{
    clickStart();
    advance(2'000);
    emit window.findChild<ui::PeriodTimer*>(QStringLiteral("时钟1"))->ticked();
    const QString count = caption("标签_练习字数");
    const QString time = caption("标签_计时");
    clickStop();
    EXPECT_EQ(session.stage().spriteCount(), 0u);
    EXPECT_TRUE(letters.empty());
    EXPECT_EQ(caption("标签_练习字数"), count);
    EXPECT_EQ(caption("标签_计时"), time);
    EXPECT_EQ(window.findChild<ui::PeriodTimer*>(QStringLiteral("时钟1"))->period(), 0);
}

TEST_F(GameWindowTest, LostLetterIsReplacedInItsLane)
{
    setLevel("10");
    clickStart();
    const auto first = letters.at(0);
    ASSERT_TRUE(advanceUntil([&] { return letters.findLetterBySprite(first.spriteId) == std::nullopt; }, 5'000));
    EXPECT_FALSE(session.stage().contains(first.spriteId));
    ASSERT_EQ(letters.size(), 10u);
    int inFirstLane = 0;
    for (const auto& letter : letters.letters())
        inFirstLane += letter.column == first.column ? 1 : 0;
    EXPECT_EQ(inFirstLane, 1) << "one replacement in the lost letter's lane";
    EXPECT_GE(caption("标签_练习字数").toInt(), 11);
    EXPECT_EQ(session.game().state().hitCount, 0);
}

// Press the key of a falling character: the shot rises in its lane, the character explodes where
// the shot met it, the read-outs count the hit and a new character falls in the same lane.
TEST_F(GameWindowTest, RoadOfOneHit)
{
    clickStart();
    advance(600); // the letters have taken one step
    const auto target = letters.at(0);
    const auto targetSprite = spriteOf(target);
    QTest::keyClick(control("动画框1"), static_cast<Qt::Key>(target.text[0]));
    EXPECT_EQ(sounds.countOf(assets::shotSound()), 1);

    ASSERT_TRUE(advanceUntil([&] { return session.game().state().hitCount == 1; }, 1'000));
    EXPECT_EQ(caption("标签_正确率"), QStringLiteral("10%"));
    EXPECT_TRUE(caption("标签_速度").endsWith(QStringLiteral("字/秒"))) << caption("标签_速度").toStdString();
    EXPECT_GE(sounds.countOf(assets::impactSound()), 1);

    const auto explosion = session.stage().sprite(target.spriteId);
    ASSERT_EQ(explosion.id, target.spriteId) << "the letter's sprite lives on as the explosion";
    EXPECT_EQ(explosion.x, 42 * target.column + 5 - 28);
    EXPECT_LT(explosion.y, targetSprite.y + 40);
    EXPECT_FALSE(letters.findLetterBySprite(target.spriteId).has_value());

    const auto& replacement = letters.at(letters.size() - 1);
    EXPECT_EQ(replacement.column, target.column);
    EXPECT_EQ(spriteOf(replacement).y, 0);
    EXPECT_EQ(session.game().state().practiceCount, 11);
    EXPECT_EQ(caption("标签_练习字数"), QStringLiteral("11"));

    ASSERT_TRUE(advanceUntil([&] { return !session.stage().contains(target.spriteId); }, 1'000))
        << "the explosion plays once and vanishes";
}

} // namespace
