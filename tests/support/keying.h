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

} // namespace jex::testing
