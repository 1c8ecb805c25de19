// SPDX-License-Identifier: GPL-3.0-or-later
// Which pixels a pen line covers. Every edition and the exported picture fill
// exactly these, so a drawing is the same pixel for pixel wherever it is shown.
#pragma once

#include <vector>

namespace jex {

// Pen lines are two pixels wide: one pixel is hard to see on a classroom
// projector, and two still keep apart lines one unit of distance apart.
inline constexpr int penwidth = 2;

// Pixels `left` to `right - 1` of row `y`, in the picture's own pixels.
struct PenSpan {
    int y = 0, left = 0, right = 0;
    friend bool operator==(const PenSpan&, const PenSpan&) = default;
};

// The rows of the line from (x1, y1) to (x2, y2), given in the drawing area's
// pixels, on a picture of `density` pixels to each of them: a rectangle
// penwidth wide with square ends (half the width past each end, so corners
// close), filled without smoothing. A pixel belongs to it when its centre lies
// inside. A line of no length is the square of its end. Replaces `spans`.
void penspans(int x1, int y1, int x2, int y2, double density, std::vector<PenSpan>& spans);

} // namespace jex
