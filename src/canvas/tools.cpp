// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/tools.h"

#include "core/platform.h"
#include "core/state.h"

#include <algorithm>
#include <string>

namespace jex {

void centrerobot(JexState& jex) {
    jex.robotx = 0;
    jex.roboty = 0;
    jex.robotheading = 0;
    showreadouts(jex);
    jex.platform.refreshcanvas();
}

void showreadouts(JexState& jex) {
    jex.windows.funnies.JEXX.caption = std::to_string(jex.robotx);
    jex.windows.funnies.JEXY.caption = std::to_string(jex.roboty);
    jex.windows.funnies.JEXangle.caption = std::to_string(jex.robotheading);
}

void penon_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void penoff_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void centre_Click(JexState& jex) {
    if (jex.running) {
        stoprun(jex);
        return;
    }
    centrerobot(jex);
}

void clear_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void target_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void Slider1_Change(JexState& jex, int value) {
    Slider& slider = jex.windows.funnies.Slider1;
    // The runner divides by the speed: it must never leave the slider's range.
    slider.value = std::clamp(value, slider.minimum, slider.maximum);
    jex.robotspeed = static_cast<Int16>(slider.value);
}

} // namespace jex
