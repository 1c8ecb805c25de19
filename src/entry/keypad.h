// SPDX-License-Identifier: GPL-3.0-or-later
// Keying programs in on the robot's keypad: a command key, then its number on
// the digit keys. Every key edits the slot being edited.
#pragma once

#include "core/commands.h"

namespace jex {

struct JexState;

void commandkey(JexState& jex, Command command);
void addcommand(JexState& jex, Command command);
void addrepeat(JexState& jex);
void addend(JexState& jex);
// Adds the step to the slot being edited and lists it.
void appendstep(JexState& jex, Command command, Argument number = awaitingnumber);

void digitkey(JexState& jex, int digit);
void adddigit(JexState& jex, int digit);

void ce(JexState& jex);  // removes the last step
void cm(JexState& jex);  // clears the slot
void rm(JexState& jex);  // puts back the program as after the last complete entry

// Every slot's keypad expects what its last step needs: that number's first
// digit (or a note's digit) while the number is missing, else a command.
// Steps put back or read from a file set the states so.
void settleentrystates(JexState& jex);

} // namespace jex
