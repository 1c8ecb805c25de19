// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area on paper: the page's scale, the background picture, the
// pen trail, the robot and the target's frame.
#pragma once

#include "core/types.h"

namespace jex {

struct JexState;
class Page;

inline constexpr Colour printblack{0, 0, 0};
inline constexpr Colour printwhite{255, 255, 255};
inline constexpr Colour printblue{0, 0, 255};
inline constexpr Colour printred{255, 0, 0};

// A clean page whose units are the drawing area's pixels: its width spans the
// printable width, and a unit is as long down the page as across it.
void setpage(JexState& jex, Page& page);

void printdrawing(JexState& jex, Page& page);

// The sprite's eight lines as they stand on the screen, at the thickness
// they have there.
void printrobot(JexState& jex, Page& page);

void printline(Page& page, double x1, double y1, double x2, double y2, Colour colour);

} // namespace jex
