// SPDX-License-Identifier: GPL-3.0-or-later
// The words under the drawing: the date, the title, and the three slots'
// listings side by side.
#pragma once

#include "core/platform.h"

#include <string>
#include <string_view>

namespace jex {

struct JexState;
class Page;

// The date written by a pattern: "yyyy" and "yy" the year, "mm" and "m" the
// month, "dd" and "d" the day (the doubled letters with a leading zero);
// anything else is copied.
std::string datetext(std::string_view pattern, const CalendarDate& date);

// "<program> written by <author>": the title under the drawing, and the
// print job's name in the printer's queue.
std::string titletext(const JexState& jex);

// Starts directly under the drawing: the date at the right, then the title
// "<program> written by <author>" centred.
void printheader(JexState& jex, Page& page);

// The slots' names, then as many rows as the longest slot has steps.
void printlisting(JexState& jex, Page& page);

} // namespace jex
