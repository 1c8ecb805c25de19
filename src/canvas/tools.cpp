// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/tools.h"

#include "canvas/sprite.h"
#include "canvas/target.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/spoken.h"

#include <algorithm>
#include <string>

namespace jex {
bool pendown(const JexState& jex) {
    return jex.windows.funnies.penon.background == penselected;
}

void setpen(JexState& jex, bool down) {
    jex.windows.funnies.penon.background = down ? penselected : penunselected;
    jex.windows.funnies.penoff.background = down ? penunselected : penselected;
}

void centrerobot(JexState& jex) {
    jex.robotx = 0;
    jex.roboty = 0;
    jex.robotheading = 0;
    drawrobot(jex);
    placesprite(jex);
    jex.platform.refreshcanvas();
}

void cleardrawing(JexState& jex) {
    jex.platform.paintbackground();
    jex.trail.clear();
    drawrobot(jex);
    placesprite(jex);
    jex.platform.refreshcanvas();
}

void showreadouts(JexState& jex) {
    jex.windows.funnies.JEXX.caption = std::to_string(jex.robotx);
    jex.windows.funnies.JEXY.caption = std::to_string(jex.roboty);
    jex.windows.funnies.JEXangle.caption = std::to_string(jex.robotheading);
}

void penon_Click(JexState& jex) {
    if (!stopifrunning(jex)) setpen(jex, true);
}

void penoff_Click(JexState& jex) {
    if (!stopifrunning(jex)) setpen(jex, false);
}

void centre_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    centrerobot(jex);
    say(jex, text(textid::robotcentred));
}

void clear_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    cleardrawing(jex);
    say(jex, text(textid::drawingcleared));
}

void target_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    placetarget(jex);
    say(jex, targetwords(jex));
}

std::string targetwords(const JexState& jex) {
    if (!jex.windows.graphics.target.visible) return text(textid::notarget);
    return filltext(textid::targetplace, {std::to_string(jex.targetx), std::to_string(jex.targety)});
}

std::string linecountwords(std::size_t lines) {
    if (lines == 0) return text(textid::nolines);
    if (lines == 1) return text(textid::oneline);
    return filltext(textid::manylines, {std::to_string(lines)});
}

void whereami(JexState& jex) {
    std::string phrase = pairwords(placewords(jex), text(pendown(jex) ? textid::penonsaid
                                                                     : textid::penoffsaid));
    phrase = pairwords(phrase, targetwords(jex));
    say(jex, pairwords(phrase, linecountwords(jex.trail.count())));
}

void Slider1_Change(JexState& jex, int value) {
    Slider& slider = jex.windows.funnies.Slider1;
    // The runner divides by the speed: it must never leave the slider's range.
    slider.value = std::clamp(value, slider.minimum, slider.maximum);
    jex.robotspeed = static_cast<Int16>(slider.value);
}

} // namespace jex
