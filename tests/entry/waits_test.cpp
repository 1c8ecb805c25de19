// SPDX-License-Identifier: GPL-3.0-or-later
// The timer waits and the feedback that uses them, on the virtual clock.
#include "core/state.h"
#include "core/textids.h"
#include "entry/feedback.h"
#include "entry/keypad.h"
#include "entry/timerwaits.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

class Waits : public ::testing::Test {
protected:
    void SetUp() override { initvariables(jex); }
    Rig rig;
    JexState& jex = rig.jex;
    FakePlatform& platform = rig.platform;
};

TEST_F(Waits, OneTenthEndsAtTheNextTick) {
    pointonesec(jex);
    EXPECT_EQ(platform.tick, 1);
    pointonesec(jex);
    EXPECT_EQ(platform.tick, 2);
}

TEST_F(Waits, EightTenthsLastEightTicks) {
    pointeightsec(jex);
    EXPECT_EQ(platform.tick, 8);
    EXPECT_EQ(jex.tickcount, -1);
}

TEST_F(Waits, TimerCountsDownToMinusOneAndStops) {
    jex.tickcount = 1;
    for (int i = 0; i < 5; ++i) Timer1_Timer(jex);
    EXPECT_EQ(jex.tickcount, -1);
}

TEST_F(Waits, ClickDuringAWaitIsHandledAtOnce) {
    platform.at(3, [&] { keypad_Click(jex, Key::forwards); });
    pointeightsec(jex);
    EXPECT_EQ(jex.store.stepcount[0], 1);
    EXPECT_EQ(platform.tick, 8);
}

TEST_F(Waits, ClickDuringARunWaitOnlyStopsIt) {
    keypad_Click(jex, Key::forwards);
    keypad_Click(jex, Key::one);
    jex.running = true;
    platform.at(2, [&] { keypad_Click(jex, Key::cm); });
    pointeightsec(jex);
    EXPECT_FALSE(jex.running);
    EXPECT_EQ(jex.store.stepcount[0], 1);
}

TEST_F(Waits, SuccessShowsItsMessageWaitsThenPlaysYea) {
    reportsuccess(jex, textid::finished);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].name, "yea");
    EXPECT_EQ(platform.sounds[0].tick, 8);
    EXPECT_EQ(platform.sounds[0].warnings, "finished!");
}

TEST_F(Waits, ProblemShowsItsMessageWhileNayPlays) {
    reportproblem(jex, textid::missed);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].name, "nay");
    EXPECT_EQ(platform.sounds[0].tick, 0) << "no wait before the failure sound";
    EXPECT_EQ(platform.sounds[0].warnings, "missed!");
}

TEST_F(Waits, RefreshingTheListingClearsTheStatusLine) {
    jex.windows.graphics.warnings.caption = "stopped!";
    refreshlisting(jex);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
}

} // namespace
} // namespace jex::testing
