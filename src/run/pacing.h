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
// Below this speed each step is said as the run reaches it: the step and
// the gap after it last long enough to hear it.
inline constexpr int speakbelow = waitbelow;
// At this speed nothing waits and nothing is shown until the run ends.
inline constexpr int fullspeed = 50;

// At full speed a move goes one robot length an increment and a turn 22
// degrees; slower, a share of that in proportion to the speed.
inline constexpr int fullspeedturn = 22;

// Ticks at speed 1 in each half of a flash or a test key's blink, and after
// a note; faster, in inverse proportion to the speed.
inline constexpr int slowestflashticks = 50;
inline constexpr int slowestnoteticks = 10;

inline int flashticks(int speed) {
    return roundhalfeven(static_cast<double>(slowestflashticks) / speed);
}
inline int noteticks(int speed) {
    return roundhalfeven(static_cast<double>(slowestnoteticks) / speed);
}

// The product is taken in whole numbers first, as the robot does.
inline double moveincrement(int speed, int canvasunit) {
    return static_cast<Int16>(speed * canvasunit) / static_cast<double>(fullspeed);
}
inline double turnincrement(int speed) {
    return static_cast<Int16>(speed * fullspeedturn) / static_cast<double>(fullspeed);
}

} // namespace jex::pacing
