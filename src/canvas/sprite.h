// SPDX-License-Identifier: GPL-3.0-or-later
// The robot on the drawing area: eight line objects over the drawing, placed
// from the robot's position and heading. Nothing is drawn into the picture,
// so moving the robot never disturbs the pen lines beneath it.
#pragma once

#include "core/state.h"
#include "core/controls.h"

#include <array>

namespace jex {

// Every heading is turned into radians with this value, as the robot does.
inline constexpr double pi = 3.14159;
inline double toradians(int degrees) {
    return degrees * pi / 180;
}

// Any number of degrees as a heading of 0..359, whichever way and how far
// the robot turned.
inline int normalheading(int degrees) {
    return (degrees % 360 + 360) % 360;
}

// The cosine and sine of a heading of 0..359 degrees, worked out once each:
// every increment of a run needs them.
struct HeadingTrig {
    double cos = 1, sin = 0;
};
const HeadingTrig& headingtrig(int heading);

// The points of `spriteoutline`: the body's corners, then the corners of the
// marked rear part. Each point is an x and a y in the drawing area's pixels.
enum SpritePoint { P1, P2, P3, P4, Q1, Q2, Q3, Q4 };
inline constexpr int bodycorners = 4;  // P1..P4, which the edge test reads

inline int pointx(const JexState& jex, SpritePoint point) {
    return jex.spriteoutline[2 * point];
}
inline int pointy(const JexState& jex, SpritePoint point) {
    return jex.spriteoutline[2 * point + 1];
}

// The drawing area's pixel of a robot position: x from the middle column,
// y upwards from row `canvashalf`.
int canvasx(const JexState& jex, int x);
int canvasy(const JexState& jex, int y);

// Computes `spriteoffsets` and `spriteoutline` for the robot as it stands.
void drawrobot(JexState& jex);

// Moves the eight lines to the outline and refreshes the read-outs.
void placesprite(JexState& jex);

// One white marking line or one black body line, with its thickness.
void placekeyline(JexState& jex, LineControl& line, SpritePoint from, SpritePoint to);
void placesideline(JexState& jex, LineControl& line, SpritePoint from, SpritePoint to);

// The eight lines, marking first, in the order a flash switches them.
std::array<LineControl*, 8> spritelines(JexState& jex);

// Whether the robot as shown covers a point of the drawing area (its pixels,
// from the top-left corner): the point lies within half a line's thickness
// of one of the visible lines. The robot lies over the target, so a click
// there is on the robot, not on the target.
bool robotcovers(const GraphicsWindow& graphics, double x, double y);

} // namespace jex
