// SPDX-License-Identifier: GPL-3.0-or-later
// The target: a yellow square on the drawing area that the robot tries to
// park on. It is set exactly while it is visible.
#pragma once

namespace jex {

struct JexState;

// Chooses a random place away from the robot's home at the centre and shows
// the target there.
void placetarget(JexState& jex);

// Places the target's square at `targetx`, `targety` and shows it.
void drawtarget(JexState& jex);

// A click on the target itself removes it. While a run is in progress it only
// asks the run to stop.
void graphicstarget_Click(JexState& jex);

} // namespace jex
