// SPDX-License-Identifier: GPL-3.0-or-later
// Running the program: one step at a time inside the handler of the key that
// started the run, through repeats and calls of the two functions, paced by
// the speed and ended with one report.
#pragma once

#include "core/types.h"

namespace jex {

struct JexState;

// Runs the main program from the given step (the go key).
void gorun(JexState& jex, int firststep);

// Runs the last step of the slot being edited alone (the test key).
void testrun(JexState& jex);

// Resets the run state and shows "running".
void startrun(JexState& jex);

// Runs steps until the main program ends, the run is stopped or the robot
// crashes.
void runsteps(JexState& jex);

// Runs the step `steppointer` points at in the current slot.
void dostep(JexState& jex);

// Performs one step. `step` is the live step pointer of its slot and `slot`
// the live current slot, so a call or a return made by the step is seen here.
void docommand(JexState& jex, Int16& step, Int16& slot);

// The bookkeeping of repeat, end, the two calls and the end of a slot.
void openrepeat(JexState& jex, int step, int slot);
void closerepeat(JexState& jex, int slot);
void callfunction(JexState& jex, int slot);
void endslot(JexState& jex);

// The pause between two steps.
void stepgap(JexState& jex);

// Reports how the run ended and leaves the running state.
void endrun(JexState& jex);

// Says where the run left the robot and, with the target shown, whether it
// parked.
void sayrunend(JexState& jex);

// Whether the robot stands on the target, within a third of its length.
bool isparked(const JexState& jex);

// The test key on a repeat step blinks its line once a pass, nothing more.
void testblink(JexState& jex);

} // namespace jex
