// SPDX-License-Identifier: GPL-3.0-or-later
// Where the robot lies over the drawing area: a click there is on the robot,
// not on the target beneath it.
#include "canvas/sprite.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

// Facing up at (250, 250) the body spans rows 237..263 with 11-pixel lines;
// facing right it is 24 pixels wide and 10 high. A hidden robot covers nothing.
TEST(RobotCover, TheBodyAndItsRoundedEndsAreCoveredAndNothingBeyondAsItTurns) {
    struct Case {
        int heading;
        double x, y;
        bool covered;
    };
    for (const Case& c :
         {Case{0, 250, 250, true}, Case{0, 245, 237, true}, Case{0, 239.5, 250, true},
          Case{0, 239, 250, false}, Case{0, 250, 231.5, true}, Case{0, 250, 231, false},
          Case{0, 250, 268.5, true}, Case{0, 250, 269, false}, Case{0, 300, 250, false},
          // A corner is rounded: 7 pixels out along the diagonal is past it.
          Case{0, 240, 232, false}, Case{90, 265, 250, true}, Case{90, 250, 265, false}}) {
        RunRig rig;
        rig.jex.robotheading = static_cast<Int16>(c.heading);
        drawrobot(rig.jex);
        placesprite(rig.jex);
        EXPECT_EQ(robotcovers(rig.jex.windows.graphics, c.x, c.y), c.covered)
            << c.x << ", " << c.y << " at " << c.heading;
        for (LineControl* line : spritelines(rig.jex))
            line->visible = false;
        EXPECT_FALSE(robotcovers(rig.jex.windows.graphics, c.x, c.y));
    }
}

} // namespace
} // namespace jex::testing
