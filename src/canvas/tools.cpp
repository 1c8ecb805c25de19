// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/tools.h"

#include "core/platform.h"
#include "core/state.h"

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

} // namespace jex
