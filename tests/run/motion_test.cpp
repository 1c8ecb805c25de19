// SPDX-License-Identifier: GPL-3.0-or-later
// Moves, turns, the pen line and the trail, and the edge of the drawing area.
#include "canvas/sprite.h"
#include "run/motion.h"
#include "run/runner.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

using Line = FakePlatform::PenLine;

class Motion : public RigTest<RunRig> {
  protected:
    void SetUp() override { setpen(jex, true); }

    void run(const std::vector<std::string>& steps, int speed) {
        rig.program(0, steps);
        rig.speed(speed);
        gorun(jex, 1);
    }

    // Puts the robot somewhere without moving it there.
    void putrobot(int x, int y) {
        jex.robotx = static_cast<Int16>(x);
        jex.roboty = static_cast<Int16>(y);
        drawrobot(jex);
        placesprite(jex);
    }
};

TEST_F(Motion, ForwardTwentyThreeAtSpeedTenGrowsItsLineEachIncrement) {
    run({"F 23"}, 10);
    // Increments of 5 units, one pixel each, then the end of the move.
    EXPECT_EQ(platform.penlines, (std::vector<Line>{{250, 250, 250, 245},
                                                    {250, 250, 250, 240},
                                                    {250, 250, 250, 235},
                                                    {250, 250, 250, 230},
                                                    {250, 250, 250, 227}}));
    EXPECT_EQ(jex.roboty, 23);
    EXPECT_EQ(jex.trail.strokes(), (std::vector<TrailStroke>{{0, 0, 0, 23}}));
    // The robot is shown at each increment, then once more when the run ends.
    std::vector<int> shown;
    for (const Frame& frame : platform.frames) shown.push_back(frame.roboty);
    EXPECT_EQ(shown, (std::vector<int>{0, 5, 10, 15, 20, 23, 23}));
    EXPECT_EQ(rig.tickswhenreported(), 4 + 8);
}

TEST_F(Motion, AtFullSpeedAMoveOfOneIncrementJumps) {
    run({"F 25"}, 50);
    EXPECT_EQ(platform.penlines, (std::vector<Line>{{250, 250, 250, 225}}));

    platform.penlines.clear();
    run({"F 26"}, 50);
    EXPECT_EQ(platform.penlines, (std::vector<Line>{{250, 225, 250, 200}, {250, 225, 250, 199}}));
    EXPECT_EQ(jex.roboty, 51);
}

TEST_F(Motion, WithThePenUpAMoveDrawsAndRecordsNothing) {
    setpen(jex, false);
    run({"F 30", "R 90", "F 30"}, 10);
    EXPECT_TRUE(platform.penlines.empty());
    EXPECT_EQ(jex.trail.count(), 0u);
    EXPECT_EQ(std::tuple(jex.robotx, jex.roboty), std::tuple(30, 30));
}

TEST_F(Motion, CrashAtAnEdgeStopsAtTheLastIncrement) {
    // The front corners reach row 5, inside the margin, when the robot is
    // 232 pixels up: increments of 5 units put it at 230, then 235.
    run({"F 100", "F 200", "F 1"}, 10);
    EXPECT_EQ(rig.warnings(), "crashed!");
    EXPECT_EQ(jex.roboty, 235);
    EXPECT_EQ(rig.platform.soundnames().back(), "nay");
    // The first move was recorded; the one cut short was not.
    EXPECT_EQ(jex.trail.strokes(), (std::vector<TrailStroke>{{0, 0, 0, 100}}));
    ASSERT_FALSE(jex.windows.program.programtext.lines.empty());
    EXPECT_EQ(jex.windows.program.programtext.lines[1].emphasised, "forward  200");
}

TEST_F(Motion, MoveWithoutAnimationLandsBeyondTheEdgeThenCrashes) {
    run({"F 240", "F 1"}, 50);
    EXPECT_EQ(rig.warnings(), "crashed!");
    EXPECT_EQ(jex.roboty, 240);
    EXPECT_EQ(jex.trail.count(), 1u);
}

TEST_F(Motion, TurnCrashesWhenTheTurningBodyReachesTheMargin) {
    // Facing up the body spans columns 10 to 20; facing right, 3 to 27.
    putrobot(-235, 0);
    run({"R 90"}, 10);
    EXPECT_EQ(rig.warnings(), "crashed!");
    // Turned in steps of 4 degrees, the body first reaches the margin at 24:
    // the turn goes no further.
    EXPECT_EQ(jex.robotheading, 24);
    EXPECT_TRUE(iscrashed(jex));
}

TEST_F(Motion, StoppedTurnStaysAtItsLastIncrement) {
    // 4 degrees an increment, one tick each: a click in the fifth tick (on a
    // tool, which only stops the run) leaves the robot at 20 degrees, as shown.
    platform.at(5, [&] { centre_Click(jex); });
    run({"R 90", "R 90"}, 10);
    EXPECT_EQ(rig.warnings(), "stopped!");
    EXPECT_EQ(jex.robotheading, 20);
    EXPECT_EQ(jex.windows.funnies.JEXangle.caption, "20");
}

TEST_F(Motion, RunStartingInTheMarginCrashesBeforeItsFirstStep) {
    putrobot(0, 240);
    run({"F 1"}, 10);
    EXPECT_EQ(rig.warnings(), "crashed!");
    EXPECT_EQ(jex.roboty, 240);
    EXPECT_EQ(rig.highlighted(), "");
    // The test key crashes at once too, with the step it was to test shown.
    testrun(jex);
    EXPECT_EQ(rig.warnings(), "crashed!");
    EXPECT_EQ(jex.windows.program.programtext.lines.at(0).emphasised, "forward  1");
}

} // namespace
} // namespace jex::testing
