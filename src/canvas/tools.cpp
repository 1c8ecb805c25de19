// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/tools.h"

#include "canvas/sprite.h"
#include "canvas/target.h"
#include "core/platform.h"
#include "core/state.h"

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
    if (!stopifrunning(jex)) centrerobot(jex);
}

void clear_Click(JexState& jex) {
    if (!stopifrunning(jex)) cleardrawing(jex);
}

void target_Click(JexState& jex) {
    if (!stopifrunning(jex)) placetarget(jex);
}

void Slider1_Change(JexState& jex, int value) {
    Slider& slider = jex.windows.funnies.Slider1;
    // The runner divides by the speed: it must never leave the slider's range.
    slider.value = std::clamp(value, slider.minimum, slider.maximum);
    jex.robotspeed = static_cast<Int16>(slider.value);
}

} // namespace jex
