// SPDX-License-Identifier: GPL-3.0-or-later
// The timer waits and the feedback that uses them, on the virtual clock.
#include "core/state.h"
#include "core/textids.h"
#include "entry/feedback.h"
#include "entry/keypad.h"
#include "run/keypadkeys.h"
#include "entry/timerwaits.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

class Waits : public RigTest<> {
  protected:
    void SetUp() override { initvariables(jex); }
};

TEST_F(Waits, LastTheirTicksAndLeaveTheTimerStopped) {
    pointonesec(jex);
    EXPECT_EQ(platform.tick, 1);
    pointeightsec(jex);
    EXPECT_EQ(platform.tick, 9);
    EXPECT_EQ(jex.tickcount, -1);
    for (int i = 0; i < 3; ++i)
        Timer1_Timer(jex); // never counts below -1
    EXPECT_EQ(jex.tickcount, -1);
}

TEST_F(Waits, SuccessWaitsBeforeYeaButNayPlaysAtOnceEachWithItsMessage) {
    reportsuccess(jex, textid::finished);
    reportproblem(jex, textid::missed);
    ASSERT_EQ(platform.sounds.size(), 2u);
    EXPECT_EQ(
        std::tuple(platform.sounds[0].name, platform.sounds[0].tick, platform.sounds[0].warnings),
        std::tuple("yea", 8, "finished!"));
    EXPECT_EQ(
        std::tuple(platform.sounds[1].name, platform.sounds[1].tick, platform.sounds[1].warnings),
        std::tuple("nay", 8, "missed!"));
}

// Presses that waited while the failure sound played, or a held key's
// repeats, arrive just after it: the same refusal again within half a second
// of the last one is shown but not sounded, so a burst sounds once and the
// program answers as soon as the burst ends. Another refusal, or the same one
// after a pause, sounds again.
TEST_F(Waits, ABurstOfTheSameRefusalSoundsOnce) {
    platform.soundseconds = 1;
    platform.clocktime = 3600;
    for (double after : {0.0, 0.0, 0.04, 0.44, 0.3}) { // after the last refusal
        platform.clocktime += after;
        refusekey(jex, textid::toolong);
        EXPECT_EQ(jex.windows.graphics.warnings.caption, "Too long!");
    }
    EXPECT_EQ(platform.sounds.size(), 1u);
    EXPECT_DOUBLE_EQ(platform.clocktime, 3601.78); // longer than the gap, all told
    platform.clocktime += 0.5;
    refusekey(jex, textid::toolong);
    refusekey(jex, textid::missed);
    refusekey(jex, textid::toolong);
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>(4, "nay"));
    // Past midnight the clock starts again from 0.
    platform.clocktime = 0.1;
    refusekey(jex, textid::toolong);
    EXPECT_EQ(platform.sounds.size(), 5u);
    // What a dialog, a print or a run's end reports always sounds.
    reportproblem(jex, textid::toolong);
    reportproblem(jex, textid::toolong);
    EXPECT_EQ(platform.sounds.size(), 7u);
}

// A message shown again is counted again, though the status line reads the
// same: the windows tell a screen reader by the count. Clearing is no message.
TEST_F(Waits, EveryMessageShownIsCountedRepeatsToo) {
    const int before = jex.windows.graphics.warningsshown;
    keypad_Click(jex, Key::seven);
    keypad_Click(jex, Key::seven);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "expecting a command!");
    EXPECT_EQ(jex.windows.graphics.warningsshown, before + 2);
    keypad_Click(jex, Key::forwards);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
    EXPECT_EQ(jex.windows.graphics.warningsshown, before + 2);
    keypad_Click(jex, Key::one);
    keypad_Click(jex, Key::go);
    // "running", then how the run ended
    EXPECT_FALSE(jex.windows.graphics.warnings.caption.empty());
    EXPECT_EQ(jex.windows.graphics.warningsshown, before + 4);
}

} // namespace
} // namespace jex::testing
