// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window can be resized at any time, so the windows are laid
// out again for the new size: everything the pupil made (the program, the
// names, the pen, the target, the drawing) stays.
#pragma once

#include "core/controls.h"

namespace jex {
struct JexState;
}

namespace jex::web {

// Lays every window out again for the platform's present screen. `designed`
// holds the windows as designed, before any layout: the tools are shrunk
// from their design sizes on a low screen, never from an earlier shrinking.
// Not during a run: the drawing's units must not change under a move.
void relayout(JexState& jex, const Windows& designed);

} // namespace jex::web
