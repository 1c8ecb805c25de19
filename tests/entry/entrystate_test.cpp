// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's entry states, cell by cell: what each key does in each state.
#include "core/state.h"
#include "core/commands.h"
#include "support/fakeplatform.h"
#include "support/keying.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jex::testing {
namespace {

struct Cell {
    const char* state;               // how the state was reached
    std::vector<Key> before;         // keys that lead to it
    Key key;                         // the key pressed in it
    const char* message;             // "" when the key is taken
    int addedsteps;                  // steps the key adds
    int stateafter;
};

void PrintTo(const Cell& cell, std::ostream* out) {
    *out << "state " << cell.state << ", key " << static_cast<int>(cell.key);
}

// Entry state 0 after a complete step, 1 after a counted command, 2 after its
// first digit, 3 after its second digit, and 3 right after a note key.
const std::vector<Key> state0 = {Key::forwards, Key::one, Key::two, Key::three};
const std::vector<Key> state1 = {Key::forwards};
const std::vector<Key> state2 = {Key::forwards, Key::one};
const std::vector<Key> state3 = {Key::forwards, Key::one, Key::two};
const std::vector<Key> state3note = {Key::note};

const Cell cells[] = {
    {"0", state0, Key::backwards, "", 1, entry::firstdigit},
    {"0", state0, Key::note, "", 1, entry::lastdigit},
    {"0", state0, Key::repeat, "", 1, entry::firstdigit},
    {"0", state0, Key::endbutton, "no matching REPEAT!", 0, entry::command},
    {"0", state0, Key::zero, "expecting a command!", 0, entry::command},
    {"0", state0, Key::six, "expecting a command!", 0, entry::command},

    {"1", state1, Key::backwards, "expecting a number!", 0, entry::firstdigit},
    {"1", state1, Key::note, "expecting a number!", 0, entry::firstdigit},
    {"1", state1, Key::repeat, "expecting a number!", 0, entry::firstdigit},
    {"1", state1, Key::endbutton, "expecting a number!", 0, entry::firstdigit},
    {"1", state1, Key::zero, "expecting a number!", 0, entry::firstdigit},
    {"1", state1, Key::six, "", 0, entry::seconddigit},

    {"2", state2, Key::backwards, "", 1, entry::firstdigit},
    {"2", state2, Key::note, "", 1, entry::lastdigit},
    {"2", state2, Key::repeat, "", 1, entry::firstdigit},
    {"2", state2, Key::endbutton, "no matching REPEAT!", 0, entry::seconddigit},
    {"2", state2, Key::zero, "", 0, entry::lastdigit},
    {"2", state2, Key::six, "", 0, entry::lastdigit},

    {"3", state3, Key::backwards, "", 1, entry::firstdigit},
    {"3", state3, Key::note, "", 1, entry::lastdigit},
    {"3", state3, Key::repeat, "", 1, entry::firstdigit},
    {"3", state3, Key::endbutton, "no matching REPEAT!", 0, entry::lastdigit},
    {"3", state3, Key::zero, "", 0, entry::command},
    {"3", state3, Key::six, "", 0, entry::command},

    {"3 after a note", state3note, Key::backwards, "expecting a number!", 0, 3},
    {"3 after a note", state3note, Key::note, "expecting a number!", 0, 3},
    {"3 after a note", state3note, Key::repeat, "expecting a number!", 0, 3},
    {"3 after a note", state3note, Key::endbutton, "expecting a number!", 0, 3},
    {"3 after a note", state3note, Key::zero, "", 0, 0},
    {"3 after a note", state3note, Key::six, "", 0, 0},
};

class EntryStateTable : public ::testing::TestWithParam<Cell> {};

TEST_P(EntryStateTable, KeyDoesWhatItsCellSays) {
    const Cell& cell = GetParam();
    Rig rig;
    JexState& jex = rig.jex;
    initvariables(jex);
    for (Key key : cell.before) keypad_Click(jex, key);
    const int stepsbefore = jex.store.stepcount[0];
    rig.platform.sounds.clear();

    keypad_Click(jex, cell.key);

    EXPECT_EQ(jex.windows.graphics.warnings.caption, cell.message);
    EXPECT_EQ(jex.store.stepcount[0] - stepsbefore, cell.addedsteps);
    EXPECT_EQ(jex.entrystate[0], cell.stateafter);
    EXPECT_EQ(rig.platform.sounds.size(), std::string(cell.message).empty() ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryStateAndKey, EntryStateTable, ::testing::ValuesIn(cells));

TEST(EntryStateWithABlockOpen, EndKeyClosesItFromEveryStateThatTakesACommand) {
    for (const std::vector<Key>& tail : {std::vector<Key>{}, std::vector<Key>{Key::forwards, Key::one},
                                         std::vector<Key>{Key::forwards, Key::one, Key::two}}) {
        Rig rig;
        initvariables(rig.jex);
        press(rig.jex, {Key::repeat, Key::two});
        for (Key key : tail) keypad_Click(rig.jex, key);
        keypad_Click(rig.jex, Key::endbutton);
        EXPECT_EQ(rig.jex.windows.graphics.warnings.caption, "");
        EXPECT_EQ(step(rig.jex, rig.jex.store.stepcount[0]), "E -2");
        EXPECT_EQ(rig.jex.entrystate[0], entry::command);
        EXPECT_EQ(rig.jex.store.openrepeats(0), 0);
    }
}

} // namespace
} // namespace jex::testing
