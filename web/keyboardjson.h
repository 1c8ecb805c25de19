// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' keyboard table (entry/keyboardtable.h) as the page reads it.
#pragma once

#include <string>

namespace jex::web {

// {"keys": [[key, keypad key's number], …], "tooltips": [text, …]}: each
// keyboard key as the browser names it (KeyboardEvent.key, a letter small),
// and each keypad key's tool tip in keypad order, in the program's language.
std::string keyboardjson();

} // namespace jex::web
