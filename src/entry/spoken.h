// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader's user hears beside the status line's messages: the
// program as it is keyed, read back and run, and where the robot is. Every
// phrase is made here from the string table and handed to the platform; the
// status line and the windows are never touched.
#pragma once

#include "core/types.h"

#include <initializer_list>
#include <string>

namespace jex {

struct JexState;

// A text of the table with %1, %2 … filled in.
std::string filltext(int textnumber, std::initializer_list<std::string> values);

// Two parts said as one phrase ("square, 5 steps").
std::string pairwords(const std::string& first, const std::string& second);

// One step as the listing shows it, without the indentation and the spaces
// that line the numbers up: "forward 50", "repeat" while its number is
// awaited, a function's name for a call; empty past the slot's last step.
std::string stepwords(const JexState& jex, int step, int slot);

// "5 steps", "1 step", "no steps".
std::string stepcountwords(int count);

// The slot's name and how many steps it has.
std::string slotwords(const JexState& jex, int slot);

// "X 50, Y 0, heading 90".
std::string placewords(const JexState& jex);

void say(JexState& jex, const std::string& phrase);

// The slot's last step as it now stands, after a key added it or a digit.
void saylaststep(JexState& jex);

// The listing read with the keyboard: the row before or after the one last
// read, the first or the last, said with its place ("3 of 5, forward 50").
enum class ListingMove { up, down, first, last };
void readlisting(JexState& jex, ListingMove move);

// The listing got the keyboard: reading starts afresh, and the slot is named
// with its number of steps.
void listing_GotFocus(JexState& jex);

} // namespace jex
