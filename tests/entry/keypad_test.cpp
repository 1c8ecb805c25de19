// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/programstore.h"
#include "core/state.h"
#include "core/commands.h"
#include "entry/keypad.h"
#include "support/fakeplatform.h"
#include "support/keying.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

// GO and test run the program on a drawing area.
class Keypad : public RigTest<RunRig> {
  protected:
    void SetUp() override { initvariables(jex); }

    const std::string& warnings() const { return jex.windows.graphics.warnings.caption; }
    int steps(int slot = 0) const { return jex.store.stepcount[slot]; }
};

TEST_F(Keypad, RefusedMessageStaysUntilTheNextSuccessfulEdit) {
    press(jex, {Key::ce});
    platform.clocktime += 1; // the next press a second later: not one burst
    press(jex, {Key::cm});
    EXPECT_EQ(warnings(), "Nothing to rub out!");
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"nay", "nay"}));
    press(jex, {Key::seven});
    press(jex, {Key::rm});  // rm always succeeds, and refreshes
    EXPECT_EQ(warnings(), "");

    press(jex, {Key::seven, Key::ce});
    EXPECT_EQ(warnings(), "Nothing to rub out!");
    press(jex, {Key::pause});
    EXPECT_EQ(warnings(), "");
}

TEST_F(Keypad, SlotHoldsAtMostNinetyNineSteps) {
    for (int i = 0; i < 98; ++i) press(jex, {Key::flash, Key::two});
    press(jex, {Key::pause});
    ASSERT_EQ(steps(), 99);
    press(jex, {Key::forwards}); // a full slot still asks for the pending number first
    EXPECT_EQ(warnings(), "expecting a number!");
    press(jex, {Key::one, Key::two});  // the 99th step still takes its number
    EXPECT_EQ(step(jex, 99), "P 12");
    EXPECT_EQ(jex.store.commands[100][0], Command::done);

    platform.sounds.clear();
    for (Key key : {Key::forwards, Key::note, Key::repeat}) {
        platform.clocktime += 1; // each press a second after the last
        press(jex, {key});
        EXPECT_EQ(warnings(), "program full!");
    }
    EXPECT_EQ(steps(), 99);
    EXPECT_EQ(platform.sounds.size(), 3u);
}

TEST_F(Keypad, AtMostThreeRepeatBlocksAreOpen) {
    press(jex, {Key::repeat, Key::two, Key::repeat, Key::three, Key::repeat, Key::four});
    EXPECT_EQ(jex.store.openrepeats(0), 3);
    press(jex, {Key::repeat});
    EXPECT_EQ(warnings(), "Too many REPEATS!");
    EXPECT_EQ(steps(), 3);

    press(jex, {Key::forwards, Key::one, Key::endbutton, Key::repeat, Key::five});
    EXPECT_EQ(warnings(), "");
    EXPECT_EQ(step(jex, 5), "E -2");
    EXPECT_EQ(step(jex, 6), "RP 5");
    EXPECT_EQ(jex.store.openrepeats(0), 3);
}

TEST_F(Keypad, CeRemovesTheLastStepEvenOneAwaitingItsNumber) {
    press(jex, {Key::forwards, Key::two, Key::repeat});
    press(jex, {Key::ce});
    EXPECT_EQ(steps(), 1);
    EXPECT_EQ(jex.entrystate[0], entry::command);
    EXPECT_EQ(jex.store.openrepeats(0), 0);
    EXPECT_EQ(jex.store.commands[2][0], Command::done);
    press(jex, {Key::backwards, Key::three});
    EXPECT_EQ(step(jex, 2), "B 3");
}

TEST_F(Keypad, CmClearsOnlyTheSlotBeingEdited) {
    press(jex, {Key::forwards, Key::five, Key::repeat, Key::two});
    jex.currentslot = 1;
    press(jex, {Key::backwards, Key::four});
    press(jex, {Key::cm});
    EXPECT_EQ(steps(1), 0);
    EXPECT_EQ(jex.store.commands[0][1], Command::done);
    EXPECT_EQ(jex.store.commands[1][1], Command::done);
    EXPECT_EQ(jex.store.commands[2][1], Command::none);
    EXPECT_EQ(steps(0), 2);
    EXPECT_EQ(jex.store.openrepeats(0), 1);
}

TEST_F(Keypad, TheEndKeyTakesTheBackup) {
    press(jex, {Key::repeat, Key::two, Key::forwards, Key::five, Key::endbutton, Key::cm, Key::rm});
    EXPECT_EQ(steps(), 3);
    EXPECT_EQ(step(jex, 3), "E -2");
    EXPECT_EQ(jex.store.openrepeats(0), 0);
}

TEST_F(Keypad, RmBeforeAnyBackupLeavesEmptyWellFormedSlots) {
    press(jex, {Key::forwards});  // no digit yet: no backup has been taken
    press(jex, {Key::rm});
    for (int slot = 0; slot < slotcount; ++slot) {
        EXPECT_EQ(steps(slot), 0);
        EXPECT_EQ(jex.store.commands[0][slot], Command::done);
        EXPECT_EQ(jex.store.commands[1][slot], Command::done);
    }
    EXPECT_EQ(jex.entrystate[0], entry::command);
    press(jex, {Key::three});
    EXPECT_EQ(warnings(), "expecting a command!");
}

TEST_F(Keypad, AfterRmDigitsNeverRunOnIntoACompleteNumber) {
    press(jex, {Key::forwards, Key::nine, Key::nine, Key::backwards});
    press(jex, {Key::rm});
    EXPECT_EQ(step(jex, 1), "F 99");
    EXPECT_EQ(steps(), 1);
    press(jex, {Key::nine, Key::nine});
    EXPECT_EQ(step(jex, 1), "F 99");
    EXPECT_EQ(warnings(), "expecting a command!");
}

TEST_F(Keypad, AfterRmAStepStillWithoutItsNumberWaitsForIt) {
    press(jex, {Key::forwards, Key::one, Key::note});
    // A backup holding a note without its digit, as a loaded program may leave.
    jex.backupsteps = jex.store;
    press(jex, {Key::cm, Key::rm});
    EXPECT_EQ(jex.entrystate[0], entry::lastdigit);
    press(jex, {Key::zero});
    EXPECT_EQ(step(jex, 2), "N 0");
}

TEST_F(Keypad, RmCountsTheOpenBlocksOfEverySlotAfresh) {
    press(jex, {Key::repeat, Key::two, Key::repeat, Key::two, Key::repeat, Key::two});
    press(jex, {Key::ce});  // no backup: the copy still has three blocks open
    ASSERT_EQ(jex.store.openrepeats(0), 2);
    jex.currentslot = 1;
    press(jex, {Key::rm});
    EXPECT_EQ(jex.store.openrepeats(0), 3);
    jex.currentslot = 0;
    press(jex, {Key::repeat});
    EXPECT_EQ(warnings(), "Too many REPEATS!");
    EXPECT_EQ(steps(), 3);
}

TEST_F(Keypad, NumbersNeverGrowPastThreeDigitsWhateverTheEntryState) {
    press(jex, {Key::forwards, Key::one, Key::two, Key::three});
    jex.entrystate[0] =
        entry::seconddigit; // as a stale state, say after loading a program, could say
    press(jex, {Key::four});
    EXPECT_EQ(step(jex, 1), "F 123");
    EXPECT_EQ(warnings(), "expecting a command!");
    EXPECT_EQ(jex.entrystate[0], entry::command);
}

TEST_F(Keypad, GoAndTestRefuseWhileANumberThatMustComeIsMissing) {
    press(jex, {Key::repeat, Key::four, Key::forwards});
    press(jex, {Key::go});
    EXPECT_EQ(warnings(), "expecting a number!");
    platform.clocktime += 1; // the next press a second later: not one burst
    press(jex, {Key::test});
    EXPECT_EQ(warnings(), "expecting a number!");
    press(jex, {Key::one, Key::zero, Key::go});
    EXPECT_EQ(warnings(), "No matching END!");
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"nay", "nay", "nay"}));

    jex.windows.graphics.change1.caption = "end change";
    press(jex, {Key::endbutton, Key::go});
    EXPECT_EQ(warnings(), "finished!");
    EXPECT_EQ(jex.windows.graphics.change1.caption, "change");
    EXPECT_EQ(jex.windows.graphics.change2.caption, "change");

    press(jex, {Key::note, Key::go}); // a note's digit must come; an optional digit need not
    EXPECT_EQ(warnings(), "expecting a number!");
    press(jex, {Key::two, Key::forwards, Key::one, Key::go});
    EXPECT_EQ(warnings(), "finished!");
    // Test refuses a note waiting for its digit as it refuses a counted step,
    // before anything runs.
    platform.sounds.clear();
    platform.clocktime += 1; // a while after the last refusal: not one burst
    press(jex, {Key::note, Key::test});
    EXPECT_EQ(warnings(), "expecting a number!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"});
    EXPECT_FALSE(jex.running);
}

TEST_F(Keypad, EachSlotKeepsItsOwnEntryState) {
    press(jex, {Key::forwards, Key::one});
    jex.currentslot = 2;
    press(jex, {Key::two});
    EXPECT_EQ(warnings(), "expecting a command!");
    jex.currentslot = 0;
    press(jex, {Key::two});
    EXPECT_EQ(step(jex, 1), "F 12");
}

} // namespace
} // namespace jex::testing
