// SPDX-License-Identifier: GPL-3.0-or-later
// Moving and turning the robot in animated increments, the pen line it draws,
// and the edge of the drawing area it crashes into.
#pragma once

namespace jex {

struct JexState;

// The whole-number size of one increment: at least one unit or degree.
int wholeincrement(double increment);

// Moves the robot by `distance` units along its heading (backwards when
// negative), in increments of `increment` units. A move cut short by a stop
// or a crash is not recorded in the pen trail.
void moverobot(JexState& jex, int distance, double increment);
void movesubstep(JexState& jex, int units);

// Turns the robot by `angle` degrees, clockwise when positive, in increments
// of `increment` degrees.
void turnrobot(JexState& jex, int angle, double increment);
void turnsubstep(JexState& jex, int degrees);

// Puts the robot at the position, rounding halves upwards, and draws it and
// its pen line there.
void setposition(JexState& jex, double x, double y);

// The pen line from the start of the move to where the robot is now.
void penline(JexState& jex);

// Keeps the finished move's stroke for printing, when the pen is down.
void recordtrail(JexState& jex);

// Whether a corner of the robot's body is within the edge margin.
bool iscrashed(const JexState& jex);

// Whether a run may do its next unit of work: not stopped and not crashed.
bool cangoon(const JexState& jex);

} // namespace jex
