// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/noteflashpause.h"

#include "canvas/sprite.h"
#include "core/platform.h"
#include "core/state.h"
#include "entry/listing.h"
#include "entry/timerwaits.h"
#include "run/motion.h"
#include "run/pacing.h"

#include <string>

namespace jex {
void playnote(JexState& jex, int argument) {
    if (argument >= 0 && argument <= 9) playwave(jex, "note" + std::to_string(argument));
    jex.platform.doevents(false);
    const int ticks = pacing::noteticks(jex.robotspeed);
    for (int i = 0; i < ticks; ++i)
        if (cangoon(jex) && jex.robotspeed < pacing::waitbelow) pointonesec(jex);
}

void flashrobot(JexState& jex, int argument) {
    // Both halves run together, so the robot is always visible again after a
    // flash, also one that was stopped half way.
    for (int i = 0; i < argument; ++i) {
        if (!cangoon(jex)) continue;
        flashshow(jex, false);
        flashshow(jex, true);
    }
}

void flashshow(JexState& jex, bool visible) {
    for (LineControl* line : spritelines(jex)) line->visible = visible;
    jex.platform.refreshcanvas();
    jex.platform.doevents(false);
    const int ticks = pacing::flashticks(jex.robotspeed);
    for (int i = 0; i < ticks; ++i)
        if (cangoon(jex) && jex.robotspeed < pacing::fullspeed) pointonesec(jex);
}

void pauserobot(JexState& jex, int argument) {
    showstep(jex, jex.currentslot, jex.steppointer[jex.currentslot]);
    for (int i = 0; i < argument; ++i)
        if (cangoon(jex)) pointonesec(jex);
}

} // namespace jex
