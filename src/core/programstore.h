// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's program memory: three slots of steps, each step a command token
// and a number. Row 0 and the row after the last step of a slot hold "DONE".
#pragma once

#include "core/types.h"

#include <string>

namespace jex {

struct JexState;

struct ProgramStore {
    StepTable<std::string> commands;
    StepTable<Argument> arguments;
    SlotArray<Int16> stepcount{};
    SlotArray<std::string> slotname;
};

inline const std::string donetoken = "DONE";

// Repeat steps of the slot not yet closed by an end step.
int countopenrepeats(const ProgramStore& store, int slot);

// Whether the slot being edited waits for a number: a command was keyed and
// no digit yet, or its last step has none.
bool numberpending(const JexState& jex);

// Whether the slot being edited may be run or left: no number pending and no
// repeat block open. Reports why not.
bool readytorun(JexState& jex);

} // namespace jex
