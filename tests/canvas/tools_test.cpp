// SPDX-License-Identifier: GPL-3.0-or-later
// The tool window's buttons and slider (the guard every button keeps while a
// program runs is in files/runguard_test.cpp).
#include "canvas/target.h"
#include "canvas/tools.h"
#include "entry/keypad.h"
#include "run/keypadkeys.h"
#include "run/runner.h"
#include "support/keying.h"
#include "support/runrig.h"

#include <gtest/gtest.h>


namespace jex::testing {
namespace {

class Tools : public RigTest<RunRig> {
  protected:
    FunniesWindow& funnies = jex.windows.funnies;
};

// The pen buttons' colours are the pen's state.
TEST_F(Tools, PenColoursCentreKeepsTheDrawingAndClearKeepsTheRobot) {
    EXPECT_FALSE(pendown(jex));
    EXPECT_EQ(funnies.penoff.background, penselected);
    penon_Click(jex);
    penon_Click(jex);
    EXPECT_TRUE(pendown(jex));
    EXPECT_EQ(std::tuple(funnies.penon.background, funnies.penoff.background),
              std::tuple(penselected, penunselected));
    rig.speed(50);
    rig.program(0, {"R 90", "F 40"});
    gorun(jex, 1);
    ASSERT_EQ(jex.trail.count(), 1u);

    centre_Click(jex);
    EXPECT_EQ(std::tuple(jex.robotx, jex.roboty, jex.robotheading), std::tuple(0, 0, 0));
    EXPECT_EQ(funnies.JEXX.caption, "0");
    EXPECT_EQ(jex.windows.graphics.leftside.y2, 237);
    EXPECT_EQ(jex.trail.count(), 1u);
    EXPECT_EQ(platform.backgroundpaints, 0);

    gorun(jex, 1);
    clear_Click(jex);
    EXPECT_EQ(platform.backgroundpaints, 1);
    EXPECT_EQ(jex.trail.count(), 0u);
    EXPECT_EQ(std::tuple(jex.robotx, jex.roboty, jex.robotheading), std::tuple(40, 0, 90));
    EXPECT_EQ(std::tuple(funnies.JEXX.caption, funnies.JEXangle.caption), std::tuple("40", "90"));
    penoff_Click(jex);
    EXPECT_FALSE(pendown(jex));
    EXPECT_EQ(std::tuple(funnies.penon.background, funnies.penoff.background),
              std::tuple(penunselected, penselected));
}

// Each tool says what it did, and where-am-I says everything at once; it
// changes nothing, so a run goes on.
TEST_F(Tools, ToolsSayTheirResultAndWhereAmISaysTheWholeState) {
    using Phrases = std::vector<std::string>;
    whereami(jex);
    penon_Click(jex);
    rig.speed(50);
    rig.program(0, {"R 90", "F 40", "L 90", "F 10"});
    gorun(jex, 1);
    whereami(jex);
    platform.randoms = {0.9, 0.2};
    target_Click(jex);
    const std::string target = "target on the drawing at X " + std::to_string(jex.targetx) +
                               ", Y " + std::to_string(jex.targety);
    penoff_Click(jex);
    whereami(jex);
    graphicstarget_Click(jex);
    clear_Click(jex);
    centre_Click(jex);
    whereami(jex);
    EXPECT_EQ(platform.phrases(),
              (Phrases{"X 0, Y 0, heading 0, pen off, no target, no lines drawn",
                       "X 40, Y 10, heading 0",
                       "X 40, Y 10, heading 0, pen on, no target, 2 lines drawn",
                       target,
                       "X 40, Y 10, heading 0, pen off, " + target + ", 2 lines drawn",
                       "no target", "drawing cleared", "robot back in the centre",
                       "X 0, Y 0, heading 0, pen off, no target, no lines drawn"}));
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "finished!");

    platform.spoken.clear();
    rig.speed(10);
    platform.at(platform.tick + 2, [&] { whereami(jex); });
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "finished!");
    ASSERT_GE(platform.spoken.size(), 2u);
    // Two ticks into the first turn.
    EXPECT_EQ(platform.spoken[1].phrase, "X 0, Y 0, heading 8, pen off, no target, no lines drawn");
    EXPECT_EQ(platform.spoken[1].warnings, "running");
}
} // namespace
} // namespace jex::testing
