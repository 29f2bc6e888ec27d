// The automatic advance: when a sprite steps, where a step takes it, and when the advance ends.
#include "stage_fixture.h"

namespace stagetest {
namespace {

class AdvanceTest : public StageTest {
protected:
    // A 20 x 20 block moving along angle by step pixels every interval ms.
    SpriteId mover(double x, double y, int angle, int step, int interval)
    {
        auto tmpl = blockTemplate(20, 20);
        tmpl.angle = angle;
        const SpriteId id = stage.createSprite(tmpl, x, y, true);
        stage.autoAdvance(id, step, interval, 0, 0, false, 0, false);
        return id;
    }
};

TEST_F(AdvanceTest, LetterStepsTenPixelsEveryInterval)
{
    const SpriteId id = mover(42, 0, 180, 10, 500);
    tickAt(495);
    EXPECT_EQ(yOf(id), 0);
    tickAt(500);
    EXPECT_EQ(yOf(id), 10);
    tickAt(995);
    EXPECT_EQ(yOf(id), 10);
    tickAt(1000);
    EXPECT_EQ(yOf(id), 20);
    EXPECT_EQ(xOf(id), 42);
}

TEST_F(AdvanceTest, FirstStepCountsFromTheAdvanceCall)
{
    clock.nowMs = 123;
    const SpriteId id = mover(0, 100, 180, 10, 50);
    tickAt(172);
    EXPECT_EQ(yOf(id), 100);
    tickAt(173);
    EXPECT_EQ(yOf(id), 110);
}

// Intervals compare signed: zero and negative ones step at every tick, the call's own ms included.
TEST_F(AdvanceTest, IntervalOfZeroOrLessStepsAtEveryTick)
{
    for (int interval : {0, -50, -2147483647}) {
        clock.nowMs = 1000;
        const SpriteId id = mover(100, 100, 180, 1, interval);
        tickAt(1000);
        tickAt(1001);
        tickAt(1006);
        EXPECT_EQ(yOf(id), 103) << "interval " << interval;
        stage.destroySprite(id);
    }
}

// A tick a little late keeps the rhythm of the due times, so the average pace stays one step per interval.
TEST_F(AdvanceTest, SlightlyLateTickKeepsTheRhythmOfDueTimes)
{
    const SpriteId id = mover(100, 100, 180, 1, 10);
    tickAt(12); // due at 10
    EXPECT_EQ(yOf(id), 101);
    tickAt(20); // due at 20, although only 8 ms passed since the last step
    EXPECT_EQ(yOf(id), 102);
    tickAt(29);
    EXPECT_EQ(yOf(id), 102);
    tickAt(30);
    EXPECT_EQ(yOf(id), 103);
}

// A tick late by a whole interval or more takes one step only and counts on from its own time.
TEST_F(AdvanceTest, VeryLateTickStepsOnceAndRestartsFromItsTime)
{
    const SpriteId id = mover(100, 100, 180, 1, 10);
    tickAt(35);
    EXPECT_EQ(yOf(id), 101);
    tickAt(44);
    EXPECT_EQ(yOf(id), 101);
    tickAt(45);
    EXPECT_EQ(yOf(id), 102);
}

TEST_F(AdvanceTest, StepFollowsTheAngleClockwiseFromUp)
{
    struct Case {
        int angle;
        int x, y;
    };
    const Case cases[] = {{0, 100, 90}, {90, 110, 100}, {180, 100, 110}, {270, 90, 100}, {450, 110, 100},
        {-90, 90, 100}, {30, 105, 91}, {225, 93, 107}};
    for (const Case& c : cases) {
        const SpriteId id = mover(100.5, 100.5, c.angle, 10, 10);
        tickAt(clock.nowMs + 10);
        EXPECT_EQ(xOf(id), c.x) << "angle " << c.angle;
        EXPECT_EQ(yOf(id), c.y) << "angle " << c.angle;
        stage.destroySprite(id);
    }
}

TEST_F(AdvanceTest, HiddenSpriteDoesNotAdvance)
{
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 180;
    const SpriteId id = stage.createSprite(tmpl, 0, 0, false);
    stage.autoAdvance(id, 10, 10, 0, 0, false, 1, false);
    runUntil(100);
    EXPECT_EQ(yOf(id), 0);
    EXPECT_TRUE(stage.sprite(id).advancing);
}

// A 20-pixel block moving right 10 pixels a step from x 480: at 500 it crosses the right edge,
// at 510 it has left the 510-pixel area.
struct BoundaryCase {
    const char* name;
    int mode;
    int distanceLimit;
    int timeLimit;
    int stopX; // -1: still moving after eight steps
};

class BoundaryModeTest : public AdvanceTest, public ::testing::WithParamInterface<BoundaryCase> { };

TEST_P(BoundaryModeTest, AdvanceStopsWhereTheModeSays)
{
    const BoundaryCase& c = GetParam();
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 90;
    const SpriteId id = stage.createSprite(tmpl, 480, 100, true);
    stage.autoAdvance(id, 10, 10, c.distanceLimit, c.timeLimit, false, c.mode, false);
    for (int i = 1; i <= 8 && stage.sprite(id).advancing; ++i)
        tickAt(i * 10);
    if (c.stopX < 0) {
        EXPECT_TRUE(stage.sprite(id).advancing);
        EXPECT_EQ(xOf(id), 560);
    } else {
        EXPECT_FALSE(stage.sprite(id).advancing);
        EXPECT_EQ(xOf(id), c.stopX);
        EXPECT_EQ(events.log.back(), "stopped " + std::to_string(id));
    }
    EXPECT_TRUE(stage.contains(id));
}

const BoundaryCase kBoundaryCases[] = {
    {"CrossingStopsInModeOne", 1, 0, 0, 500},
    {"LeavingStopsInModeTwo", 2, 0, 0, 510},
    {"LeavingStopsInModeZeroWithoutLimits", 0, 0, 0, 510},
    {"ModeZeroWithDistanceLimitGoesOnPastTheEdge", 0, 1000, 0, -1},
    {"ModeZeroWithTimeLimitGoesOnPastTheEdge", 0, 0, 1000, -1},
    {"ModeTwoStopsAtItsDistanceLimit", 2, 20, 0, 500},
};
INSTANTIATE_TEST_SUITE_P(Modes, BoundaryModeTest, ::testing::ValuesIn(kBoundaryCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdvanceTest, TimeLimitEndsTheAdvanceAtTheFirstTickPastIt)
{
    const SpriteId id = mover(100, 100, 180, 10, 10);
    stage.autoAdvance(id, 10, 10, 0, 25, false, 0, false);
    runUntil(20);
    EXPECT_EQ(yOf(id), 120);
    EXPECT_TRUE(stage.sprite(id).advancing);
    tickAt(25);
    EXPECT_FALSE(stage.sprite(id).advancing);
    EXPECT_EQ(yOf(id), 120);
}

// A step that stays inside the same whole pixel detects nothing but still counts towards the distance.
TEST_F(AdvanceTest, DistanceLimitCountsStepsThatStayWithinAPixel)
{
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 89;
    const SpriteId id = stage.createSprite(tmpl, 100, 100.5, true);
    stage.autoAdvance(id, 1, 10, 1, 0, true, 1, false);
    tickAt(10);
    EXPECT_FALSE(stage.sprite(id).advancing);
    EXPECT_EQ(xOf(id), 100);
    EXPECT_EQ(events.log, std::vector<std::string> {"stopped 1"});
}

TEST_F(AdvanceTest, RemoveWhenStoppedRemovesAfterTheStopEventWithTheDestroySound)
{
    static const unsigned char boom[] = {1, 2, 3};
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 0;
    tmpl.destroySound = boom;
    const SpriteId id = stage.createSprite(tmpl, 100, 5, true);
    stage.autoAdvance(id, 10, 10, 0, 0, false, 1, true);
    tickAt(10);
    EXPECT_FALSE(stage.contains(id));
    const std::vector<std::string> expected = {"boundary 1 at 100,5 edges 2", "stopped 1", "destroyed 1"};
    EXPECT_EQ(events.log, expected);
    EXPECT_EQ(sounds.countOf(boom), 1);
}

// A handler that starts a new advance from the stop event keeps the sprite.
TEST_F(AdvanceTest, AdvanceRestartedByTheStopHandlerIsNotRemoved)
{
    auto tmpl = blockTemplate(20, 20);
    tmpl.angle = 0;
    const SpriteId id = stage.createSprite(tmpl, 100, 5, true);
    stage.autoAdvance(id, 10, 10, 0, 0, false, 1, true);
    events.onStopped = [&](SpriteId s) { stage.autoAdvance(s, 10, 10, 0, 0, false, 0, true); };
    tickAt(10);
    ASSERT_TRUE(stage.contains(id));
    EXPECT_TRUE(stage.sprite(id).advancing);
}

// The program's ticker sleeps until the next due time, so that time must name the next step exactly.
TEST_F(AdvanceTest, NextDueTimeIsTheNextStepOfTheEarliestMover)
{
    EXPECT_EQ(stage.nextDueMs(), std::nullopt) << "an empty stage has nothing due";
    const SpriteId slow = mover(42, 0, 180, 10, 500);
    const SpriteId fast = mover(84, 0, 180, 10, 50);
    EXPECT_EQ(stage.nextDueMs(), 50);
    tickAt(50);
    EXPECT_EQ(stage.nextDueMs(), 100);
    stage.destroySprite(fast);
    EXPECT_EQ(stage.nextDueMs(), 500);
    stage.destroySprite(slow);
    EXPECT_EQ(stage.nextDueMs(), std::nullopt);
}

} // namespace
} // namespace stagetest
