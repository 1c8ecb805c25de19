// SPDX-License-Identifier: GPL-3.0-or-later
// How the speed paces each kind of step, on the virtual clock.
#include "run/runner.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace jex::testing {
namespace {

struct Pace {
    std::string step;
    int speed;
    int ticks;      // ticks the step takes, with the gap after it
    int refreshes;  // canvas refreshes during the run, its end included
};

std::ostream& operator<<(std::ostream& out, const Pace& pace) {
    return out << pace.step << " at speed " << pace.speed;
}

class Pacing : public ::testing::TestWithParam<Pace> {};

// With a drawing area 500 high a move goes 0.5, 5, 12, 22 or 25 units an
// increment at these speeds, a turn 0.44 (first increment 0), 4, 11, 20 or
// 22 degrees; below 25 each increment waits a tick and steps are eight ticks
// apart; below 45 each step, the end of the program included, is highlighted
// with a refresh. The run's end refreshes once more.
INSTANTIATE_TEST_SUITE_P(
    EveryKindOfStep, Pacing,
    ::testing::Values(Pace{"F 50", 1, 50 + 8, 2 + 50 + 1}, Pace{"F 50", 10, 10 + 8, 2 + 10 + 1},
                      Pace{"F 50", 25, 0, 2 + 4 + 1}, Pace{"F 50", 45, 0, 2 + 1},
                      Pace{"F 50", 50, 0, 1},
                      Pace{"R 90", 1, 91 + 8, 2 + 91 + 1}, Pace{"R 90", 10, 22 + 8, 2 + 22 + 1},
                      Pace{"R 90", 25, 0, 2 + 8 + 1}, Pace{"R 90", 45, 0, 4 + 1},
                      Pace{"R 90", 50, 0, 1},
                      // A note has no gap after it: notes play as a tune.
                      Pace{"N 0", 1, 10, 3}, Pace{"N 0", 10, 1, 3}, Pace{"N 0", 25, 0, 3},
                      Pace{"N 0", 45, 0, 1}, Pace{"N 0", 50, 0, 1},
                      // Each half of a flash waits CInt(50 / speed) ticks below 50.
                      Pace{"FL 1", 1, 100 + 8, 2 + 2 + 1}, Pace{"FL 1", 10, 10 + 8, 2 + 2 + 1},
                      Pace{"FL 1", 25, 4, 2 + 2 + 1}, Pace{"FL 1", 45, 2, 2 + 1},
                      Pace{"FL 1", 50, 0, 2 + 1},
                      // A pause lasts its ticks at every speed.
                      Pace{"P 10", 1, 10 + 8, 3}, Pace{"P 10", 10, 10 + 8, 3},
                      Pace{"P 10", 25, 10, 3}, Pace{"P 10", 45, 10, 1},
                      Pace{"P 10", 50, 10, 1}));

TEST_P(Pacing, TicksAndRefreshes) {
    const Pace& pace = GetParam();
    RunRig rig;
    rig.program(0, {pace.step});
    rig.speed(pace.speed);
    gorun(rig.jex, 1);

    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_EQ(rig.tickswhenreported(), pace.ticks);
    EXPECT_EQ(rig.platform.canvasrefreshes, pace.refreshes);
    const bool highlighted = std::ranges::any_of(
        rig.platform.frames, [](const Frame& frame) { return !frame.highlighted.empty(); });
    EXPECT_EQ(highlighted, pace.speed < 45 || pace.step.starts_with("P"));
}

TEST(PacingOfPause, HighlightsItsStepEvenAtFullSpeed) {
    RunRig rig;
    rig.program(0, {"F 1", "P 3", "F 1"});
    rig.speed(50);
    std::vector<PrintedLine> shown;
    rig.platform.at(1, [&] { shown = rig.jex.windows.program.programtext.lines; });
    gorun(rig.jex, 1);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].emphasised.empty());
    EXPECT_FALSE(shown[1].emphasised.empty());
}

TEST(PacingOfNotes, PlaysTheNoteOfItsDigitBeforeWaiting) {
    RunRig rig;
    rig.program(0, {"N 0", "N 9", "N 4"});
    rig.speed(1);
    gorun(rig.jex, 1);
    ASSERT_EQ(rig.platform.sounds.size(), 4u);
    EXPECT_EQ(rig.platform.soundnames(),
              (std::vector<std::string>{"note0", "note9", "note4", "yea"}));
    EXPECT_EQ(rig.platform.sounds[1].tick, 10);
    EXPECT_EQ(rig.platform.sounds[2].tick, 20);
}

TEST(PacingOfSlider, NewSpeedTakesEffectDuringTheRun) {
    RunRig rig;
    rig.program(0, {"F 50", "F 50"});
    rig.speed(10);
    // During the first move's third tick the pupil slides to full speed: the
    // move's increments stay 5 units but no longer wait, and no gap follows.
    rig.platform.at(3, [&] { rig.speed(50); });
    gorun(rig.jex, 1);
    EXPECT_EQ(rig.tickswhenreported(), 3);
    EXPECT_EQ(rig.jex.roboty, 100);
    EXPECT_EQ(rig.warnings(), "finished!");
}

} // namespace
} // namespace jex::testing
