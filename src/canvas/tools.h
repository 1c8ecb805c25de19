// SPDX-License-Identifier: GPL-3.0-or-later
// The tool window's actions on the robot.
#pragma once

namespace jex {

struct JexState;

// Sends the robot back to the centre of the drawing area, facing the top.
void centrerobot(JexState& jex);

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
// speed at its next step.
void Slider1_Change(JexState& jex, int value);

} // namespace jex
