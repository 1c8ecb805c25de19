// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's program memory: three slots of steps, each step a command and a
// number. Its operations keep a slot well formed: row 0 and the row after the
// last step hold done, and a slot never holds more than `maxsteps` steps.
#pragma once

#include "core/commands.h"
#include "core/types.h"

#include <optional>
#include <string>

namespace jex {

struct JexState;

// The steps of every slot, without the names: what RM puts back.
struct ProgramSteps {
    StepTable<Command> commands;
    StepTable<Argument> arguments;
    SlotArray<Int16> stepcount{};
};

struct ProgramStore : ProgramSteps {
    SlotArray<std::string> slotname;

    // Empties the slot; numbers once stored stay behind in its rows, as the
    // robot leaves them.
    void clear(int slot);
    // Adds a step after the last; false, changing nothing, when the slot is full.
    bool append(int slot, Command command, Argument number = awaitingnumber);
    // Removes the last step; false when there is none.
    bool rubout(int slot);
    // Sets the number of the slot's last step.
    void setnumber(int slot, Argument number);
    // Puts back the steps of every slot; the names stay.
    void restore(const ProgramSteps& steps);

    Command lastcommand(int slot) const { return commands[stepcount[slot]][slot]; }
    int lastnumber(int slot) const { return valueof(arguments[stepcount[slot]][slot]); }
    // Repeat steps of the slot not yet closed by an end step.
    int openrepeats(int slot) const;
    // What the keypad expects after the slot's last step: that number's first
    // digit (or a note's digit) while the number is missing, else a command.
    Int16 settledentry(int slot) const;
};

// Whether the slot being edited waits for a number: a command was keyed and
// no digit yet, or its last step has none.
bool numberpending(const JexState& jex);

// What keeps the slot being edited from being run or left: a number still
// pending or a repeat block still open, as the number of the message saying
// so. Nothing when the slot is complete.
std::optional<int> whynotready(const JexState& jex);

} // namespace jex
