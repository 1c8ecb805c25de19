// SPDX-License-Identifier: GPL-3.0-or-later
// What happens when the main window is loaded: the whole start-up.
#pragma once

namespace jex {

struct JexState;

// Loads the picture, sets the initial state, lays out every window, resets
// the names, centres the robot and ends with the success sound.
void program_Load(JexState& jex);

} // namespace jex
