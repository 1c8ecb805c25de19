// SPDX-License-Identifier: GPL-3.0-or-later
// How the speed setting (1 to 50) paces a run. Each of these is read afresh
// at every decision, so moving the slider during a run takes effect at once.
#pragma once

#include "core/numbers.h"
#include "core/types.h"

namespace jex::pacing {

// Below this speed each step is highlighted in the listing as it runs.
inline constexpr int highlightbelow = 45;
// Below this speed steps are 0.8 s apart and every increment of a move or
// turn waits for the next tick.
inline constexpr int waitbelow = 25;
// At this speed nothing waits and nothing is shown until the run ends.
inline constexpr int fullspeed = 50;

// A turn at full speed goes 22 degrees an increment, as a move goes one
// robot length.
inline constexpr int fullspeedturn = 22;

// Ticks in each half of a flash and of a test key's blink.
inline int flashticks(int speed) { return roundhalfeven(50.0 / speed); }
// Ticks after a note.
inline int noteticks(int speed) { return roundhalfeven(10.0 / speed); }

// Increments of a move (units of distance) and of a turn (degrees). The
// product is taken in whole numbers first, as the robot does.
inline double moveincrement(int speed, int canvasunit) {
    return static_cast<Int16>(speed * canvasunit) / 50.0;
}
inline double turnincrement(int speed) {
    return static_cast<Int16>(speed * fullspeedturn) / 50.0;
}

} // namespace jex::pacing
