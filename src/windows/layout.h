// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes and places every window and control from the screen's size: geometry
// only, so that laying out again for another size changes nothing else.
// Windows are placed in twips; inside the keypad and drawing windows controls
// are in pixels, inside the tools and listing windows in twips.
#pragma once

namespace jex {

struct JexState;
struct Control;

void setmargins(JexState& jex);
void layoutkeypad(JexState& jex);
void layouttools(JexState& jex);
void layoutlisting(JexState& jex);
void layoutgraphics(JexState& jex);
// All four windows, in the order each needs the one before.
void layoutwindows(JexState& jex);

// The smallest drawing area, in pixels each way, in which a pupil can still
// watch the robot draw, and the smallest type the tools may shrink to on a
// low screen and still be read. A screen that leaves less (a phone) is told
// that it is too small instead of being shown windows no one can use.
inline constexpr int smallestdrawing = 200;
inline constexpr double smallesttooltype = 8;
// Whether the windows as laid out serve the screen.
bool layoutserves(const JexState& jex);

// The length units of the robot, from the height of the drawing area.
void setcanvasunits(JexState& jex);

void placekey(JexState& jex, Control& key, int left, int top, int bitmap);
void fitheight(JexState& jex, Control& control);
void placefield(JexState& jex, Control& control, int left, int top, int widthtwips);
void placetool(JexState& jex, Control& control, int top);
void placetoolrow(JexState& jex, Control& control, int row);

} // namespace jex
