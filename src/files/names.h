// SPDX-License-Identifier: GPL-3.0-or-later
// The four name boxes of the drawing window: the program's, the author's and
// the two functions' names, each held within the width it is shown in.
#pragma once

#include <string>

namespace jex {

struct JexState;

enum class NameBox { progname, myname, pf1, pf2 };

// A new text in a box, typed by the pupil or set by the program: a double
// quote or a control character is dropped, a text too wide, or longer than a
// program file's text field, loses characters from its end until it fits
// ("Too long!"), and the name is stored, or the default name when the box is
// empty.
void namebox_Change(JexState& jex, NameBox box, std::string newtext);

// Leaving a box shows the listing again and clears the status line.
void namebox_LostFocus(JexState& jex);

} // namespace jex
