// SPDX-License-Identifier: GPL-3.0-or-later
// The steps that do not move the robot: a note, a flash and a pause. Each
// waits in ticks of the keypad's timer and gives up its waiting at once when
// the run is stopped or the robot has crashed.
#pragma once

namespace jex {

struct JexState;

// Plays note 0..9 to its end, then waits a little at slow speeds.
void playnote(JexState& jex, int argument);

// Hides and shows the robot `argument` times.
void flashrobot(JexState& jex, int argument);

// One half of a flash: shows or hides the robot, then waits.
void flashshow(JexState& jex, bool visible);

// Highlights the pause step at every speed and waits `argument` ticks.
void pauserobot(JexState& jex, int argument);

} // namespace jex
