// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/target.h"

#include "core/numbers.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/spoken.h"

#include <string>

namespace jex {
namespace {

// Free room for the target's centre along one side of the drawing area: it
// stays two to four pixels clear of the edges.
double span(int side, int targetside) {
    return side - targetside - 6.0;
}

// A position drawn uniformly over that room, rounded downwards.
Int16 randomoffset(JexState& jex, double room) {
    return static_cast<Int16>(wholepart(room * jex.platform.random() - room / 2));
}

// The target must not lie over the robot's home at the centre.
bool overhome(int offset, int targetside) {
    return -targetside - 6 <= offset && offset <= targetside + 6;
}

} // namespace

void placetarget(JexState& jex) {
    Control& target = jex.windows.graphics.target;
    const Control& picture = jex.windows.graphics.Picture1;
    const double roomx = span(picture.width, target.width);
    const double roomy = span(picture.height, target.height);
    // On a drawing area too small to keep away from the centre the first
    // position drawn is taken, rather than drawing for ever.
    const bool canavoidhome = roomx / 2 > target.width + 6 || roomy / 2 > target.height + 6;
    do {
        target.visible = false;
        jex.platform.seedrandom(jex.platform.timeofday());
        jex.targetx = randomoffset(jex, roomx);
        jex.targety = randomoffset(jex, roomy);
    } while (canavoidhome && overhome(jex.targetx, target.width) &&
             overhome(jex.targety, target.height));
    drawtarget(jex);
}

void drawtarget(JexState& jex) {
    Control& target = jex.windows.graphics.target;
    const Control& picture = jex.windows.graphics.Picture1;
    const float left = static_cast<float>(picture.width - target.width) / 2 + jex.targetx;
    const float top = static_cast<float>(picture.height - target.height) / 2 - jex.targety;
    target.left = roundhalfeven(left);
    target.top = roundhalfeven(top);
    // The two lines of the caption are parted by a carriage return.
    target.caption = text(textid::xequals) + std::to_string(jex.targetx) + "\r" +
                     text(textid::yequals) + std::to_string(jex.targety);
    target.visible = true;
}

void graphicstarget_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    jex.windows.graphics.target.visible = false;
    say(jex, text(textid::notarget));
}

} // namespace jex
