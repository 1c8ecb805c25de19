// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program.
#pragma once

namespace jex {

struct JexState;

// The exit button, and closing any window: stops a run in progress, and
// otherwise ends the program at once.
void exitbutton_Click(JexState& jex);

} // namespace jex
