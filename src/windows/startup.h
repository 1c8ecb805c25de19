// SPDX-License-Identifier: GPL-3.0-or-later
// What happens when the main window is loaded: the whole start-up.
#pragma once

namespace jex {

struct JexState;

// Loads the picture, sets the initial state, lays out every window, resets
// the names, centres the robot and ends with the success sound.
void program_Load(JexState& jex);

// What the laid-out windows show when the program starts: every caption in
// the program's language, the pen up, no target, the drawing area's
// background painted.
void startwindows(JexState& jex);

} // namespace jex
