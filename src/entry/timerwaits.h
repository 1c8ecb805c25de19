// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's 100 ms timer and the two waits counted in its ticks. While they
// wait, window events are handled, so a click can stop a run.
#pragma once

namespace jex {

struct JexState;

inline constexpr int tickmilliseconds = 100;
// The ticks `pointeightsec` waits.
inline constexpr int pointeightticks = 8;

// The keypad timer's handler: counts `tickcount` down to -1.
void Timer1_Timer(JexState& jex);

// Waits until the next tick.
void pointonesec(JexState& jex);

// Waits eight ticks: 0.7 to 0.8 s, whatever is clicked meanwhile (the pause
// before a report's sound).
void pointeightsec(JexState& jex);

// The same eight ticks for a run: once the run is stopped the wait ends at
// the next tick.
void pointeightsecwhilerunning(JexState& jex);

} // namespace jex
