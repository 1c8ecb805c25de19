// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's print button.
#pragma once

#include <string>

namespace jex {

struct JexState;
class PrintJob;

// While a run is in progress the click only asks it to stop; otherwise it
// prints.
void printbutton_Click(JexState& jex);

// One page record of the pupil's work on the default printer: the drawing,
// the date and title, and the listings. Ends with "Print finished", or with
// "printer error" when there is no printer or it refuses anything, in which
// case the document is thrown away rather than left half built.
void printprogram(JexState& jex);

// The page itself on a job that is already open, ended and handed over. False
// when the job refused anything; the caller then abandons it.
bool printpage(JexState& jex, PrintJob& job);

// The same page written to a PDF file instead of printed. False when the file
// could not be made.
bool printtofile(JexState& jex, const std::string& path);

} // namespace jex
