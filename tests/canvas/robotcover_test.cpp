// SPDX-License-Identifier: GPL-3.0-or-later
// Where the robot lies over the drawing area: a click there is on the robot,
// not on the target beneath it.
#include "canvas/sprite.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

TEST(RobotCover, TheBodyAndItsRoundedEndsAreCoveredAndNothingBeyond) {
    RunRig rig; // facing up at (250, 250): body rows 237..263, 11-pixel lines
    const GraphicsWindow& g = rig.jex.windows.graphics;
    struct Case {
        double x, y;
        bool covered;
    };
    for (const Case& c : {Case{250, 250, true}, Case{245, 237, true}, Case{239.5, 250, true},
                          Case{239, 250, false}, Case{250, 231.5, true}, Case{250, 231, false},
                          Case{250, 268.5, true}, Case{250, 269, false}, Case{300, 250, false},
                          // A corner is rounded: 7 pixels out along the diagonal is past it.
                          Case{240, 232, false}})
        EXPECT_EQ(robotcovers(g, c.x, c.y), c.covered) << c.x << ", " << c.y;
}

TEST(RobotCover, TheCoverTurnsWithTheRobot) {
    RunRig rig;
    rig.jex.robotheading = 90; // the front now faces right: 24 pixels wide, 10 high
    drawrobot(rig.jex);
    placesprite(rig.jex);
    const GraphicsWindow& g = rig.jex.windows.graphics;
    EXPECT_TRUE(robotcovers(g, 265, 250));
    EXPECT_FALSE(robotcovers(g, 250, 265));
}

TEST(RobotCover, AHiddenRobotCoversNothing) {
    RunRig rig;
    for (LineControl* line : spritelines(rig.jex))
        line->visible = false;
    EXPECT_FALSE(robotcovers(rig.jex.windows.graphics, 250, 250));
}

} // namespace
} // namespace jex::testing
