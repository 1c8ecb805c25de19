// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/sprite.h"

#include "canvas/tools.h"
#include "core/numbers.h"
#include "core/state.h"

#include <algorithm>
#include <cmath>

namespace jex {
namespace {

enum Offset { A, B, C, D, E, F, G, H };

void setpoint(JexState& jex, SpritePoint point, int x, int y) {
    jex.spriteoutline[2 * point] = static_cast<Int16>(x);
    jex.spriteoutline[2 * point + 1] = static_cast<Int16>(y);
}

} // namespace

const HeadingTrig& headingtrig(int heading) {
    static const std::array<HeadingTrig, 360> table = [] {
        std::array<HeadingTrig, 360> values;
        for (int h = 0; h < 360; ++h)
            values[h] = {std::cos(toradians(h)), std::sin(toradians(h))};
        return values;
    }();
    return table[static_cast<std::size_t>(normalheading(heading))];
}

int canvasx(const JexState& jex, int x) {
    return jex.windows.graphics.Picture1.width / 2 + x;
}
int canvasy(const JexState& jex, int y) {
    return jex.canvashalf - y;
}

void drawrobot(JexState& jex) {
    jex.headingradians = toradians(jex.robotheading);
    const HeadingTrig& trig = headingtrig(jex.robotheading);
    const double cosh = trig.cos;
    const double sinh = trig.sin;
    const double width = jex.spritesize;
    const double length = jex.canvasunit;

    // Half the width across the heading, half the length along it, and the
    // quarter and half lengths of the marking; each rounded downwards.
    auto& offset = jex.spriteoffsets;
    offset[A] = static_cast<Int16>(wholepart((width * cosh + 1) / 2));
    offset[B] = static_cast<Int16>(wholepart((width * sinh + 1) / 2));
    offset[C] = static_cast<Int16>(wholepart((length * cosh + 1) / 2));
    offset[D] = static_cast<Int16>(wholepart((length * sinh + 1) / 2));
    offset[E] = static_cast<Int16>(wholepart((length / 2 + 1) * cosh / 2));
    offset[F] = static_cast<Int16>(wholepart((length / 2 + 1) * sinh / 2));
    offset[G] = static_cast<Int16>(wholepart((length + 1) * cosh / 2));
    offset[H] = static_cast<Int16>(wholepart((length + 1) * sinh / 2));

    const int cx = canvasx(jex, jex.robotx);
    const int r = jex.roboty;
    const int a = offset[A], b = offset[B], c = offset[C], d = offset[D];
    const int e = offset[E], f = offset[F], g = offset[G], h = offset[H];
    setpoint(jex, P1, cx - a + d, canvasy(jex, r + b + c));
    setpoint(jex, P2, cx + a + d, canvasy(jex, r - b + c));
    setpoint(jex, P3, cx - a - d, canvasy(jex, r + b - c));
    setpoint(jex, P4, cx + a - d, canvasy(jex, r - b - c));
    setpoint(jex, Q1, cx - a - f, canvasy(jex, r + b - e));
    setpoint(jex, Q2, cx + a - f, canvasy(jex, r - b - e));
    setpoint(jex, Q3, cx - a - h, canvasy(jex, r + b - g));
    setpoint(jex, Q4, cx + a - h, canvasy(jex, r - b - g));
}

void placesprite(JexState& jex) {
    GraphicsWindow& graphics = jex.windows.graphics;
    placekeyline(jex, graphics.keys3, Q3, Q1);
    placekeyline(jex, graphics.keys4, Q2, Q4);
    placekeyline(jex, graphics.keys2, Q3, Q4);
    placekeyline(jex, graphics.keys1, Q1, Q2);
    placesideline(jex, graphics.leftside, P3, P1);
    placesideline(jex, graphics.rightside, P4, P2);
    placesideline(jex, graphics.topside, P1, P2);
    placesideline(jex, graphics.bottomside, P3, P4);
    showreadouts(jex);
}

namespace {

void placeline(const JexState& jex, LineControl& line, SpritePoint from, SpritePoint to) {
    line.x1 = pointx(jex, from);
    line.y1 = pointy(jex, from);
    line.x2 = pointx(jex, to);
    line.y2 = pointy(jex, to);
}

} // namespace

void placekeyline(JexState& jex, LineControl& line, SpritePoint from, SpritePoint to) {
    line.thickness = roundhalfeven(3.0 * jex.spritesize / 4);
    placeline(jex, line, from, to);
}

void placesideline(JexState& jex, LineControl& line, SpritePoint from, SpritePoint to) {
    // The two long sides, `spritesize` apart, then cover the body between them.
    line.thickness = jex.spritesize + 1;
    placeline(jex, line, from, to);
}

std::array<LineControl*, 8> spritelines(JexState& jex) {
    std::array<LineControl*, 8> lines{};
    for (std::size_t i = 0; i < robotlines.size(); ++i)
        lines[i] = &(jex.windows.graphics.*robotlines[i]);
    return lines;
}

namespace {

double distancesquared(double x1, double y1, double x2, double y2) {
    return (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
}

// From a point to the nearest point of a line from one end to the other.
double distancetoline(const LineControl& line, double x, double y) {
    const double length = distancesquared(line.x1, line.y1, line.x2, line.y2);
    double along = 0;
    if (length > 0)
        along = std::clamp(
            ((x - line.x1) * (line.x2 - line.x1) + (y - line.y1) * (line.y2 - line.y1)) / length,
            0.0, 1.0);
    return std::sqrt(distancesquared(x, y, line.x1 + along * (line.x2 - line.x1),
                                     line.y1 + along * (line.y2 - line.y1)));
}

} // namespace

bool robotcovers(const GraphicsWindow& graphics, double x, double y) {
    for (LineControl GraphicsWindow::*member : robotlines)
        if (const LineControl* line = &(graphics.*member); line->visible && line->thickness > 0 &&
            distancetoline(*line, x, y) <= line->thickness / 2.0)
            return true;
    return false;
}

} // namespace jex
