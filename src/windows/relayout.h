// SPDX-License-Identifier: GPL-3.0-or-later
// The screen can change size while the program runs (a browser window is
// resized at any time), so the windows are laid out again for the new size:
// everything the pupil made (the program, the names, the pen, the target,
// the drawing) stays.
#pragma once

namespace jex {

struct JexState;

// Lays every window out again for the platform's present screen and draws
// the drawing again from the pen's strokes around the new centre. Not during
// a run: the drawing's units must not change under a move.
void relayout(JexState& jex);

} // namespace jex
