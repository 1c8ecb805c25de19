// SPDX-License-Identifier: GPL-3.0-or-later
// Pressing keypad keys in a test as a pupil would, one click after another.
#pragma once

#include "core/state.h"
#include "core/commands.h"
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
    const Command command = jex.store.commands[row][slot];
    const Argument& argument = jex.store.arguments[row][slot];
    const std::string token(tokenof(command));
    if (command == Command::done || !argument) return token;
    return token + " " + std::to_string(*argument);
}

// Steps of one command numbered 1, 2, ... written straight into the slot.
inline void fillslot(ProgramStore& store, int slot, int count,
                     Command command = Command::forwards) {
    store.clear(slot);
    for (int row = 1; row <= count; ++row) store.append(slot, command, static_cast<Int16>(row));
}

} // namespace jex::testing
