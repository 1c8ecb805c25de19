// SPDX-License-Identifier: GPL-3.0-or-later
// Pressing keypad keys in a test as a pupil would, one click after another.
#pragma once

#include "core/state.h"
#include "core/tokens.h"
#include "entry/keypad.h"
#include "run/keypadkeys.h"

#include <initializer_list>
#include <string>

namespace jex::testing {

inline void press(JexState& jex, std::initializer_list<Key> keys) {
    for (Key key : keys) keypad_Click(jex, key);
}

// The command and number of a step, as "F 100", "E -2" or "DONE".
inline std::string step(const JexState& jex, int row, int slot = 0) {
    const std::string& command = jex.store.commands[row][slot];
    const Argument& argument = jex.store.arguments[row][slot];
    if (command == token::done || !argument) return command;
    return command + " " + std::to_string(*argument);
}

// Steps of one command numbered 1, 2, ... written straight into the slot.
inline void fillslot(ProgramStore& store, int slot, int count, const char* command = "F") {
    for (int row = 1; row <= count; ++row) {
        store.commands[row][slot] = command;
        store.arguments[row][slot] = static_cast<Int16>(row);
    }
    store.commands[count + 1][slot] = token::done;
    store.stepcount[slot] = static_cast<Int16>(count);
}

} // namespace jex::testing
