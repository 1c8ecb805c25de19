// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state.h"

#include "core/platform.h"
#include "core/textids.h"
#include "core/texts.h"

#include <algorithm>
#include <cctype>

namespace jex {

JexState::JexState(Platform& platform_) : platform(platform_) { designwindows(windows); }

void initvariables(JexState& jex) {
    jex.currentslot = 0;
    jex.calldepth = 0;
    jex.trail.clear();

    for (int s = 0; s < slotcount; ++s) {
        jex.store.slotname[s] = text(textid::myprogram + s);
        jex.store.clear(s);
    }
    // The backup starts as these empty slots, so that restoring before the
    // first backup still leaves every slot well formed.
    jex.backupsteps = jex.store;

    jex.robotspeed = static_cast<Int16>(jex.windows.funnies.Slider1.value);

    jex.windows.graphics.pf1.caption = jex.store.slotname[1];
    jex.windows.graphics.pf2.caption = jex.store.slotname[2];

    jex.saved = true;
}

void stoprun(JexState& jex) { jex.running = false; }

bool stopifrunning(JexState& jex) {
    if (!jex.running) return false;
    stoprun(jex);
    return true;
}

void playwave(JexState& jex, std::string_view name) {
    std::string lowercase(name);
    std::transform(lowercase.begin(), lowercase.end(), lowercase.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    jex.platform.playsound(lowercase);
}

} // namespace jex
