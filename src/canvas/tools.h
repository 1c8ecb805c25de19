// SPDX-License-Identifier: GPL-3.0-or-later
// The tool window: the pen, centre, clear and target buttons, the speed slider
// and the read-outs of the robot's position and heading.
#pragma once

#include <cstddef>
#include <string>

namespace jex {

struct JexState;

// The pen is down exactly when `penon` shows the selected colour: the two
// buttons' colours are the pen state, there is no other.
bool pendown(const JexState& jex);
void setpen(JexState& jex, bool down);

// Sends the robot back to the centre of the drawing area, facing the top, and
// draws it there. The drawing and the target stay.
void centrerobot(JexState& jex);

// Wipes the drawing and the pen trail and draws the robot again where it is.
void cleardrawing(JexState& jex);

// Says where the robot is, its heading, the pen, the target and how many
// lines the pen has drawn. It changes nothing, so it also answers during a run.
void whereami(JexState& jex);

// "target on the drawing at X 30, Y -40", or "no target".
std::string targetwords(const JexState& jex);

// "4 lines drawn", "1 line drawn", "no lines drawn".
std::string linecountwords(std::size_t lines);

// Shows the robot's position and heading in the tool window.
void showreadouts(JexState& jex);

// The tool window's buttons. While a run is in progress each only asks it to
// stop.
void penon_Click(JexState& jex);
void penoff_Click(JexState& jex);
void centre_Click(JexState& jex);
void clear_Click(JexState& jex);
void target_Click(JexState& jex);

// The speed slider moved. It works during a run too: the run takes the new
// speed at its next decision.
void Slider1_Change(JexState& jex, int value);

} // namespace jex
