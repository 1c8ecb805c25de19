// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/motion.h"

#include "canvas/sprite.h"
#include "canvas/tools.h"
#include "core/numbers.h"
#include "core/platform.h"
#include "core/state.h"
#include "entry/timerwaits.h"
#include "run/pacing.h"

#include <cmath>
#include <cstdlib>

namespace jex {
namespace {

// Within this many pixels of an edge the robot has crashed.
constexpr int edgemargin = 6;

// Positions are worked out from the move's start and the distance so far,
// never added up, so rounding does not build up along a move.
void movealong(JexState& jex, int units) {
    // The heading stays put during a move: these are the sine and cosine of
    // `headingradians`, set when the move began.
    const HeadingTrig& trig = headingtrig(jex.robotheading);
    setposition(jex, jex.movestartx + units * (jex.movestep * trig.sin),
                jex.movestarty + units * (jex.movestep * trig.cos));
}

// What every increment does after it has moved or turned the robot.
void showincrement(JexState& jex) {
    if (jex.robotspeed < pacing::fullspeed) jex.platform.refreshcanvas();
    if (jex.robotspeed < pacing::waitbelow) pointonesec(jex);
}

// Increments `first`, `first + step`, ... up to `last`; a zero step (a
// drawing area too small for any robot) would never get there.
template <class Increment>
void eachincrement(int first, int step, int last, Increment&& increment) {
    if (step == 0) return;
    for (int i = first; step > 0 ? i <= last : i >= last; i += step)
        increment(i);
}

} // namespace

int wholeincrement(double increment) {
    if (std::abs(increment) < 1) return (increment > 0) - (increment < 0);
    return roundhalfeven(increment);
}

void moverobot(JexState& jex, int distance, double increment) {
    const int step = wholeincrement(increment);
    jex.movestartx = jex.robotx;
    jex.movestarty = jex.roboty;
    jex.headingradians = toradians(jex.robotheading);
    if (std::abs(increment) < std::abs(distance))
        eachincrement(step, step, distance, [&](int units) { movesubstep(jex, units); });
    if (!cangoon(jex)) return;
    movealong(jex, distance);
    recordtrail(jex);
}

void movesubstep(JexState& jex, int units) {
    if (!cangoon(jex)) return;
    movealong(jex, units);
    showincrement(jex);
}

void turnrobot(JexState& jex, int angle, double increment) {
    jex.turnstartheading = jex.robotheading;
    // The first increment is the increment itself rounded, so at the slowest
    // speed a turn begins by showing the heading it starts from.
    if (std::abs(increment) < std::abs(angle))
        eachincrement(roundhalfeven(increment), wholeincrement(increment), angle,
                      [&](int degrees) { turnsubstep(jex, degrees); });
    if (!cangoon(jex)) return;
    jex.robotheading = static_cast<Int16>(normalheading(jex.turnstartheading + angle));
    drawrobot(jex);
    placesprite(jex);
}

void turnsubstep(JexState& jex, int degrees) {
    if (!cangoon(jex)) return;
    jex.robotheading = static_cast<Int16>(normalheading(jex.turnstartheading + degrees));
    drawrobot(jex);
    placesprite(jex);
    showincrement(jex);
}

void setposition(JexState& jex, double x, double y) {
    jex.robotx = static_cast<Int16>(wholepart(x + 0.5));
    jex.roboty = static_cast<Int16>(wholepart(y + 0.5));
    drawrobot(jex);
    placesprite(jex);
    penline(jex);
}

void penline(JexState& jex) {
    if (!pendown(jex)) return;
    jex.platform.drawpenline(canvasx(jex, jex.movestartx), canvasy(jex, jex.movestarty),
                             canvasx(jex, jex.robotx), canvasy(jex, jex.roboty));
}

void recordtrail(JexState& jex) {
    if (pendown(jex)) jex.trail.record({jex.movestartx, jex.movestarty, jex.robotx, jex.roboty});
}

bool iscrashed(const JexState& jex) {
    const Control& picture = jex.windows.graphics.Picture1;
    for (int corner = P1; corner < bodycorners; ++corner) {
        const int x = pointx(jex, static_cast<SpritePoint>(corner));
        const int y = pointy(jex, static_cast<SpritePoint>(corner));
        if (x < edgemargin || x > picture.width - edgemargin || y < edgemargin ||
            y > picture.height - edgemargin)
            return true;
    }
    return false;
}

bool cangoon(const JexState& jex) {
    return jex.running && !iscrashed(jex);
}

} // namespace jex
