// SPDX-License-Identifier: GPL-3.0-or-later
// The listing of a slot in the main window: one indented line a step.
#pragma once

#include <string>

namespace jex {

struct JexState;

// Rebuilds the line of every row 1..100 of the slot.
void buildlisting(JexState& jex, int slot);

// Builds the line of one step, following the indentation of repeat blocks.
void buildline(JexState& jex, int step, int slot);

// The line of one step at that indentation; empty for a command the listing
// does not show.
std::string stepline(const JexState& jex, int step, int slot, int indent);

// One less than the number of lines that fit in the listing box.
int visiblelines(const JexState& jex);

// Shows the slot with its last step at the bottom.
void showlisting(JexState& jex, int slot);

// Shows the slot around one step and highlights it; a step outside the shown
// rows, such as -1, highlights nothing.
void showstep(JexState& jex, int slot, int step);

// Prints one row with its text in bold and underlined.
void highlightline(JexState& jex, int step, int slot);

} // namespace jex
