// SPDX-License-Identifier: GPL-3.0-or-later
// Running programs: repeats, calls, the test key, stops, reports, and the
// programs the keypad could not have made.
#include "canvas/sprite.h"
#include "canvas/target.h"
#include "entry/keypad.h"
#include "run/keypadkeys.h"
#include "run/runner.h"
#include "support/keying.h"
#include "support/runrig.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace jex::testing {
namespace {

class Runner : public RigTest<RunRig> {
  protected:
    void SetUp() override { rig.speed(50); }

    int played(const std::string& name) const {
        const auto names = rig.platform.soundnames();
        return static_cast<int>(std::ranges::count(names, name));
    }
    std::string highlighted() const { return rig.highlighted(); }
};

TEST_F(Runner, NestedRepeatsMultiplyTheirPasses) {
    rig.program(0, {"RP 2", "RP 3", "RP 4", "N 1", "E", "N 2", "E", "E", "RP 1", "N 3", "E"});
    gorun(jex, 1);
    EXPECT_EQ(played("note1"), 24);
    EXPECT_EQ(played("note2"), 6);
    EXPECT_EQ(played("note3"), 1);
    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_FALSE(jex.running);
}

TEST_F(Runner, EachRunStartsWithEmptyRepeatStacks) {
    rig.program(0, {"RP 3", "N 1", "P 1", "E"});
    rig.speed(10);
    platform.at(2, [&] { keypad_Click(jex, Key::go); });
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "stopped!");
    platform.sounds.clear();
    gorun(jex, 1);
    EXPECT_EQ(played("note1"), 3);
}

TEST_F(Runner, CallsRunTheFunctionsAndComeBack) {
    rig.program(0, {"PF1", "N 0", "PF2"});
    rig.program(1, {"N 1", "PF2", "N 3"});
    rig.program(2, {"RP 2", "N 2", "E"});
    gorun(jex, 1);
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"note1", "note2", "note2", "note3",
                                                               "note0", "note2", "note2", "yea"}));
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.calldepth, 0);
}

TEST_F(Runner, StopInsideAFunctionHighlightsItsStepThenGoesBackToTheMainProgram) {
    rig.program(0, {"N 0", "PF1"});
    rig.program(1, {"F 10", "P 5", "F 10"});
    platform.at(2, [&] { keypad_Click(jex, Key::cm); });
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "stopped!");
    EXPECT_EQ(jex.windows.program.nameheader.caption, "function 1");
    EXPECT_EQ(highlighted(), "pause  5");
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.store.stepcount[0], 2);  // the cm key only stopped the run
    EXPECT_EQ(platform.soundnames().back(), "nay");
}

TEST_F(Runner, StopAtAGivenEventPointEndsAFullSpeedRunAtOnce) {
    rig.program(0, {"RP 999", "F 1", "R 90", "E"});
    int stoppedat = 0;
    Int16 x = 0, y = 0, heading = 0;
    platform.atevent(1000, [&] {
        keypad_Click(jex, Key::go);
        stoppedat = static_cast<int>(platform.doeventscalls);
        x = jex.robotx, y = jex.roboty, heading = jex.robotheading;
    });
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "stopped!");
    EXPECT_EQ(platform.tick, 0);
    EXPECT_EQ(std::tuple(jex.robotx, jex.roboty, jex.robotheading), std::tuple(x, y, heading));
    EXPECT_LE(platform.doeventscalls, stoppedat + 1);
}

// Every wait of a run, whatever its kind, ends at the next tick once a click
// has stopped the run; the click comes at tick 3 of each. A flash stopped in
// its dark half leaves the robot shown.
TEST_F(Runner, StopDuringAnyWaitEndsTheRunAtTheNextTick) {
    struct Case {
        std::vector<std::string> steps;
        int speed;
        int robotyafter;
        std::vector<std::string> sounds;
    };
    const std::vector<std::string> nay{"nay"};
    const Case cases[] = {
        {{"F 1", "F 1"}, 10, 1, nay},             // the eight ticks between steps
        {{"N 0", "N 1"}, 1, 0, {"note0", "nay"}}, // the ten ticks after a note
        {{"FL 2"}, 10, 0, nay},                   // five ticks in each half of a flash
        {{"P 20"}, 50, 0, nay},                   // a pause, at any speed
        {{"F 100"}, 10, 15, nay},                 // a tick after each increment of a move
        {{"RP 2", "P 1", "E"}, 1, 0, nay},        // between a repeat's steps
    };
    for (const Case& c : cases) {
        RunRig one;
        one.program(0, c.steps);
        one.speed(c.speed);
        one.platform.at(3, [&] { keypad_Click(one.jex, Key::go); });
        gorun(one.jex, 1);
        EXPECT_EQ(one.warnings(), "stopped!") << c.steps[0];
        EXPECT_EQ(one.platform.soundnames(), c.sounds) << c.steps[0];
        EXPECT_EQ(one.platform.sounds.back().tick, 3) << c.steps[0];
        EXPECT_EQ(one.jex.roboty, c.robotyafter) << c.steps[0];
        for (const LineControl* line : spritelines(one.jex))
            EXPECT_TRUE(line->visible) << c.steps[0];
    }
}

TEST_F(Runner, SpeedChangeDuringANotesWaitEndsThatWait) {
    rig.program(0, {"N 0", "N 1"});
    rig.speed(1); // ten ticks after each note
    platform.at(3, [&] { rig.speed(25); });
    gorun(jex, 1);
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"note0", "note1", "yea"}));
    EXPECT_EQ(platform.sounds[1].tick, 3);
    EXPECT_EQ(rig.warnings(), "finished!");
}

TEST_F(Runner, RunawayRunFailsTheTestAndIsStopped) {
    rig.program(0, {"RP 999", "RP 999", "P 1", "E", "E"});
    platform.ticklimit = 50;
    EXPECT_NONFATAL_FAILURE(gorun(jex, 1), "limit of ticks");
    EXPECT_EQ(rig.warnings(), "stopped!");
    EXPECT_EQ(platform.tick, 51);
}

TEST_F(Runner, NormalEndKeepsRunningUntilTheSuccessSoundHasPlayed) {
    rig.program(0, {"F 1"});
    bool runningduringreport = false;
    platform.at(4, [&] {
        runningduringreport = jex.running;
        keypad_Click(jex, Key::ce);
    });
    gorun(jex, 1);
    EXPECT_TRUE(runningduringreport);
    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"yea"});
    // The report's pause is no wait of the run: the click does not shorten it.
    EXPECT_EQ(platform.sounds[0].tick, 8);
    EXPECT_EQ(jex.store.stepcount[0], 1);
}

// The test key on each kind of last step, with what it leaves behind.
struct LastStep {
    int slot;
    std::string step;
    int robotyafter;
    std::vector<std::string> sounds;
};

class TestKey : public Runner, public ::testing::WithParamInterface<LastStep> {};

INSTANTIATE_TEST_SUITE_P(
    EveryKind, TestKey,
    ::testing::Values(LastStep{0, "F 30", 30, {"yea"}}, LastStep{0, "B 30", -30, {"yea"}},
                      LastStep{0, "N 7", 0, {"note7", "yea"}}, LastStep{0, "P 2", 0, {"yea"}},
                      LastStep{0, "FL 2", 0, {"yea"}}, LastStep{0, "E", 0, {"yea"}},
                      LastStep{0, "RP 3", 0, {"yea"}},
                      LastStep{0, "PF1", 20, {"note1", "note2", "yea"}},
                      LastStep{0, "PF2", 0, {"note2", "yea"}},
                      // Nothing to return to at the end of function 1: the
                      // test ends there as finished.
                      LastStep{1, "PF2", 0, {"note2", "yea"}},
                      LastStep{2, "N 5", 0, {"note5", "yea"}}, LastStep{1, "", 0, {"yea"}}));

TEST_P(TestKey, RunsTheLastStepAlone) {
    const LastStep& last = GetParam();
    rig.program(0, {"F 5", "F 10"});
    rig.program(1, {"F 20", "N 1", "PF2"});
    rig.program(2, {"N 2"});
    if (last.step.empty())
        rig.program(last.slot, {});
    else if (last.slot == 1)
        rig.program(1, {"F 20", "N 1", last.step});
    else
        rig.program(last.slot, {"F 5", last.step});
    jex.currentslot = static_cast<Int16>(last.slot);

    press(jex, {Key::test});
    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_EQ(jex.roboty, last.robotyafter);
    EXPECT_EQ(platform.soundnames(), last.sounds);
    EXPECT_EQ(jex.currentslot, last.slot);
    EXPECT_FALSE(jex.running);
}

// At full speed without waiting; slower, five ticks lit and five dark a pass.
TEST_F(Runner, TestOfARepeatBlinksItsLineOncePerPass) {
    rig.program(0, {"RP 3", "F 10", "E", "RP 3"});
    press(jex, {Key::test});
    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_EQ(rig.tickswhenreported(), 0);

    rig.speed(10);
    const int start = platform.tick;
    std::vector<bool> lit;
    for (int tick = 1; tick <= 30; ++tick)
        platform.at(start + tick, [&] { lit.push_back(!highlighted().empty()); });
    press(jex, {Key::test});
    std::vector<bool> expected;
    for (int pass = 0; pass < 3; ++pass) {
        expected.insert(expected.end(), 5, true);
        expected.insert(expected.end(), 5, false);
    }
    EXPECT_EQ(lit, expected);
    EXPECT_EQ(jex.roboty, 0);
    EXPECT_EQ(rig.warnings(), "finished!");
}

TEST_F(Runner, StoppedTestInsideAFunctionLeavesEditingInItsSlot) {
    rig.program(0, {"N 0", "PF1"});
    rig.program(1, {"P 9"});
    platform.at(3, [&] { keypad_Click(jex, Key::test); });
    press(jex, {Key::test});
    EXPECT_EQ(rig.warnings(), "stopped!");
    EXPECT_EQ(jex.currentslot, 0);
}

TEST_F(Runner, ParkingToleranceIsAThirdOfTheRobotLength) {
    RunRig small(500, 420);  // robot 21 long, target 42 wide: tolerance 7
    small.speed(50);
    small.jex.windows.graphics.target.visible = true;
    struct Case {
        int dx, dy;
        const char* report;
    };
    for (const Case& c : {Case{7, 0, "missed!"}, Case{6, -6, "parked"}, Case{0, 7, "missed!"},
                          Case{-6, 6, "parked"}}) {
        small.jex.targetx = static_cast<Int16>(-c.dx);
        small.jex.targety = static_cast<Int16>(-c.dy);
        small.program(0, {"P 1"});
        gorun(small.jex, 1);
        EXPECT_EQ(small.warnings(), c.report) << c.dx << ", " << c.dy;
    }
    EXPECT_EQ(small.platform.soundnames(), (std::vector<std::string>{"nay", "yea", "nay", "yea"}));
}

// Programs only a file could hold end as stopped, without writing past the
// stacks: an unknown command, a fourth open repeat, an end with no repeat
// (over what a previous run could have left), calls deeper than the stack.
TEST_F(Runner, ProgramsTheKeypadCannotMakeEndTheRunAsStopped) {
    struct Case {
        std::vector<std::string> main, two;
        std::vector<std::string> sounds;
        std::string highlighted;
    };
    const Case cases[] = {
        {{"N 1", "X 3", "N 2"}, {}, {"note1", "nay"}, ""}, // the listing has no line for it
        {{"RP 2", "RP 2", "RP 2", "RP 2", "N 1", "E", "E", "E", "E"}, {}, {"nay"}, "repeat  2"},
        {{"N 1", "E", "E", "N 2"}, {}, {"note1", "nay"}, "end "},
        {{"PF2"}, {"N 2", "PF2"}, {"note2", "note2", "note2", "nay"}, "function 2"},
    };
    for (const Case& c : cases) {
        jex.repeatstate[0][1] = 1;
        rig.program(0, c.main);
        rig.program(2, c.two);
        platform.sounds.clear();
        gorun(jex, 1);
        EXPECT_EQ(rig.warnings(), "stopped!") << c.highlighted;
        EXPECT_EQ(highlighted(), c.highlighted);
        EXPECT_EQ(platform.soundnames(), c.sounds) << c.highlighted;
        EXPECT_EQ(jex.currentslot, 0);
    }
    EXPECT_EQ(jex.calldepth, 3);
}

// Steps a keypad can leave behind (a number still missing before a call,
// digits keyed on after a restore) are kept as they are; when the run, or the
// test key, comes to one whose number the robot cannot do, it ends there as
// stopped.
TEST_F(Runner, AStepWithANumberOutOfItsRangeOrMissingEndsTheRunThere) {
    struct Case {
        const char* bad;
        const char* highlight;
        bool tested; // by the test key, as the main program's last step
    };
    for (const auto& [bad, highlight, tested] : {Case{"F -1", "forward ", false},
                                                 {"N -1", "note ", false},
                                                 {"N 53", "note  53", false},
                                                 {"P 1000", "pause  1000", false},
                                                 {"FL 0", "flash  0", false},
                                                 {"RP -1", "repeat ", false},
                                                 {"RP 0", "repeat  0", false},
                                                 {"RP 1000", "repeat  1000", false},
                                                 {"RP 1000", "repeat  1000", true},
                                                 {"N 10", "note  10", true},
                                                 {"P 0", "pause  0", true}}) {
        platform.sounds.clear();
        platform.clocktime += 1; // each a while after the last one's sound
        if (tested) {
            rig.program(0, {"F 5", bad});
            press(jex, {Key::test});
        } else {
            rig.program(0, {"N 1", "PF1", "N 3"});
            rig.program(1, {"N 2", bad, "N 4"});
            gorun(jex, 1);
            EXPECT_EQ(jex.windows.program.nameheader.caption, "function 1") << bad;
        }
        EXPECT_EQ(rig.warnings(), "stopped!") << bad;
        EXPECT_EQ(highlighted(), highlight) << bad;
        using Names = std::vector<std::string>;
        EXPECT_EQ(platform.soundnames(), (tested ? Names{"nay"} : Names{"note1", "note2", "nay"}))
            << bad;
    }
}

// Calls and end steps take no number: digits keyed onto theirs change nothing.
TEST_F(Runner, CallsAndEndsRunWhateverNumberTheyCarry) {
    rig.program(0, {"RP 2", "PF1 7", "E -17"});
    rig.program(1, {"N 1"});
    gorun(jex, 1);
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"note1", "note1", "yea"}));
}

TEST_F(Runner, MovesAndTurnsOfAnyWholeNumberRunAsTheArithmeticSays) {
    rig.program(0, {"F 0", "R 1000", "L 370", "F -3", "B -2"});
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "finished!");
    EXPECT_EQ(jex.robotheading, 270); // 1000 - 370 = 630 degrees clockwise
    // Forwards -3 goes three units back, backwards -2 two units on: facing
    // left (270), that ends one unit right of the centre.
    EXPECT_EQ(jex.roboty, 0);
    EXPECT_EQ(jex.robotx, jex.movestep);

    rig.program(0, {"F 1000"});
    gorun(jex, 1);
    EXPECT_EQ(rig.warnings(), "crashed!");
}

// Slow enough to hear, each step is said as the run reaches it; every run
// then says where the robot ended, and with the target shown whether it
// parked, after the status line's report.
TEST_F(Runner, SlowRunsSayEachStepAndEveryRunSaysWhereItEnded) {
    const struct {
        int speed;
        std::vector<std::string> program;
        bool target;  // shown at (0, 50)
        int stopat;   // the tick of a click that stops the run, or 0
        std::vector<std::string> said;
        std::string report;
    } cases[] = {
        {10, {"F 50", "R 90"}, false, 0, {"forward 50", "right 90", "X 0, Y 50, heading 90"},
         "finished!"},
        {24, {"RP 2", "L 45", "E"}, false, 0,
         {"repeat 2", "left 45", "end", "left 45", "end", "X 0, Y 0, heading 270"}, "finished!"},
        {25, {"F 50", "R 90"}, false, 0, {"X 0, Y 50, heading 90"}, "finished!"},
        {50, {"F 50"}, true, 0, {"X 0, Y 50, heading 0, parked"}, "parked"},
        {50, {"F 20"}, true, 0, {"X 0, Y 20, heading 0, not parked"}, "missed!"},
        {10, {"F 50", "R 90"}, false, 3, {"forward 50", "X 0, Y 15, heading 0"}, "stopped!"},
        {10, {"F 50", "R 90"}, true, 3, {"forward 50", "X 0, Y 15, heading 0, not parked"},
         "stopped!"},
        {50, {"B 999"}, false, 0, {"X 0, Y -250, heading 0"}, "crashed!"},
    };
    for (const auto& c : cases) {
        RunRig rig;
        rig.speed(c.speed);
        rig.program(0, c.program);
        rig.jex.windows.graphics.target.visible = c.target;
        rig.jex.targety = 50;
        if (c.stopat) rig.platform.at(c.stopat, [&] { keypad_Click(rig.jex, Key::go); });
        gorun(rig.jex, 1);
        EXPECT_EQ(rig.platform.phrases(), c.said) << c.speed << " " << c.report;
        ASSERT_FALSE(rig.platform.spoken.empty());
        // After the report and its sound.
        EXPECT_EQ(rig.platform.spoken.back().warnings, c.report);
        EXPECT_GE(rig.platform.spoken.back().tick, rig.platform.sounds.back().tick);
    }
}

} // namespace
} // namespace jex::testing
