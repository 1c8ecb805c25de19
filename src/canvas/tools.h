// SPDX-License-Identifier: GPL-3.0-or-later
// The tool window's actions on the robot.
#pragma once

namespace jex {

struct JexState;

// Sends the robot back to the centre of the drawing area, facing the top.
void centrerobot(JexState& jex);

// Shows the robot's position and heading in the tool window.
void showreadouts(JexState& jex);

} // namespace jex
