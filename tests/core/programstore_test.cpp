// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/programstore.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/commands.h"
#include "entry/feedback.h"
#include "support/fakeplatform.h"
#include "support/keying.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

TEST(ProgramStore, OpenRepeatsCountOnlyTheStepsInTheSlot) {
    ProgramStore store;
    store.commands[1][1] = Command::repeat;
    store.commands[2][1] = Command::repeat;
    store.commands[3][1] = Command::end;
    store.commands[4][1] = Command::repeat; // beyond the last step: stale
    store.stepcount[1] = 3;
    EXPECT_EQ(store.openrepeats(1), 1);
    EXPECT_EQ(store.openrepeats(0), 0);
    store.stepcount[1] = 4;
    EXPECT_EQ(store.openrepeats(1), 2);
}

TEST(ProgramStore, ReadyToRunLooksOnlyAtTheSlotBeingEdited) {
    Rig rig;
    JexState& jex = rig.jex;
    initvariables(jex);
    press(jex, {Key::repeat, Key::two});
    jex.currentslot = 1;
    EXPECT_TRUE(readytorun(jex));
    press(jex, {Key::flash});
    EXPECT_EQ(whynotready(jex), textid::expectingnumber);
    EXPECT_FALSE(readytorun(jex));
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "expecting a number!");
    jex.currentslot = 0;
    EXPECT_EQ(whynotready(jex), textid::nomatchingend);
    EXPECT_FALSE(readytorun(jex));
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "No matching END!");
}

TEST(ProgramStore, ReadyToRunFindsANumberMissingWhateverTheEntryState) {
    Rig rig;
    JexState& jex = rig.jex;
    initvariables(jex);
    press(jex, {Key::pause});
    jex.entrystate[0] = entry::command; // a loaded program can leave the state behind
    EXPECT_FALSE(readytorun(jex));
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "expecting a number!");
}

} // namespace
} // namespace jex::testing
