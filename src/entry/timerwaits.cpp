// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/timerwaits.h"

#include "core/platform.h"
#include "core/state.h"

namespace jex {
namespace {

void waitticks(JexState& jex, int ticks) {
    jex.tickcount = static_cast<Int16>(ticks - 1);
    while (jex.tickcount >= 0) jex.platform.doevents(true);
}

} // namespace

void Timer1_Timer(JexState& jex) {
    if (jex.tickcount > -1) --jex.tickcount;
}

void pointonesec(JexState& jex) { waitticks(jex, 1); }

void pointeightsec(JexState& jex) { waitticks(jex, pointeightticks); }

void pointeightsecwhilerunning(JexState& jex) {
    for (int tick = 0; tick < pointeightticks && jex.running; ++tick)
        pointonesec(jex);
}

} // namespace jex
