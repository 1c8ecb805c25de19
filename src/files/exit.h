// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program, and the exit window that asks first when the program
// has not been saved.
#pragma once

namespace jex {

struct JexState;
struct ExitWindow;

// The exit button, and closing any window: stops a run in progress; otherwise
// ends the program at once when it is saved, or shows the exit window and
// brings it to the front.
void exitbutton_Click(JexState& jex);

// The exit window's buttons have no run guard: "exit anyway" ends the program
// even while a run goes on.
void cancel_Click(JexState& jex);
void exitanyway_Click(JexState& jex);

// Fonts, colours and captions the exit window has before it is first shown.
void designexitwindow(ExitWindow& exitwindow);

// Sizes the exit window to its message and centres it on the screen.
void layoutexitwindow(JexState& jex);

} // namespace jex
