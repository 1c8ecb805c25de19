// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' keyboard table (entry/keyboardtable.h) as the page reads it,
// with what a screen reader is told of the controls (windows/screenreadernames.h).
#pragma once

#include <string>

namespace jex::web {

// {"keys": [[key, keypad key's number], …], "tooltips": [text, …],
// "names": [[control, name], …]}: each
// keyboard key as the browser names it (KeyboardEvent.key, a letter small),
// each keypad key's tool tip in keypad order, and the controls' names for a
// screen reader, in the program's language; controls as "window.control".
std::string keyboardjson();

} // namespace jex::web
