// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/runner.h"

#include "core/platform.h"
#include "core/programstore.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "core/commands.h"
#include "entry/feedback.h"
#include "entry/listing.h"
#include "entry/spoken.h"
#include "entry/timerwaits.h"
#include "run/motion.h"
#include "run/noteflashpause.h"
#include "run/pacing.h"

#include <cmath>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace jex {
namespace {

// The repeat stack of a slot is empty at this level; three open repeats fill
// it up to its last cell but one.
constexpr Int16 emptyrepeats = 1;
constexpr int repeatcells = std::tuple_size_v<std::decay_t<decltype(JexState::repeatstate[0])>>;

// A program the keypad could not have made (a fourth nested repeat, calls
// too deep, a command the robot does not know), or a step whose number the
// robot cannot do, cannot go on: the run ends as
// stopped, with the step that could not be done highlighted.
void refusestep(JexState& jex, int slot) {
    stoprun(jex);
    ++jex.steppointer[slot];
}

void blinkwait(JexState& jex) {
    if (jex.robotspeed >= pacing::fullspeed) {
        jex.platform.doevents(false);
        return;
    }
    const int ticks = pacing::flashticks(jex.robotspeed);
    for (int i = 0; i < ticks; ++i) {
        if (jex.running)
            pointonesec(jex);
        else
            jex.platform.doevents(false);
    }
}

} // namespace

void gorun(JexState& jex, int firststep) {
    if (numberpending(jex)) {
        refusekey(jex, textid::expectingnumber);
        return;
    }
    jex.currentslot = 0;
    startrun(jex);
    jex.steppointer[0] = static_cast<Int16>(firststep);
    runsteps(jex);
    endrun(jex);
    jex.currentslot = 0;
}

void testrun(JexState& jex) {
    if (numberpending(jex)) {
        refusekey(jex, textid::expectingnumber);
        return;
    }
    startrun(jex);
    const Int16 slot = jex.currentslot;
    jex.steppointer[slot] = jex.store.stepcount[slot];
    const Command command = jex.store.commands[jex.steppointer[slot]][slot];
    if (command == Command::repeat) {
        if (candostep(command, valueof(jex.store.arguments[jex.steppointer[slot]][slot])))
            testblink(jex);
        else
            refusestep(jex, slot);
    } else if (kindof(command) == CommandKind::call) {
        runsteps(jex);
    } else if (command != Command::done) {
        dostep(jex);
    }
    endrun(jex);
    // Editing goes on where the test key was pressed, also after a call that
    // was stopped or crashed inside the function it called.
    jex.currentslot = slot;
}

void startrun(JexState& jex) {
    jex.programended = false;
    jex.running = true;
    jex.repeatlevel.fill(emptyrepeats);
    jex.calldepth = 0;
    showmessage(jex, textid::running);
}

void runsteps(JexState& jex) {
    if (iscrashed(jex)) return;
    while (!jex.programended && jex.running) {
        dostep(jex);
        if (iscrashed(jex)) return;
    }
}

void dostep(JexState& jex) {
    const Int16 slot = jex.currentslot;
    if (!cangoon(jex)) {
        jex.steppointer[slot] = static_cast<Int16>(jex.store.stepcount[slot] + 1);
        return;
    }
    if (jex.robotspeed < pacing::highlightbelow) {
        showstep(jex, slot, jex.steppointer[slot]);
        jex.platform.refreshcanvas();
    }
    if (jex.robotspeed < pacing::speakbelow) say(jex, stepwords(jex, jex.steppointer[slot], slot));
    docommand(jex, jex.steppointer[slot], jex.currentslot);
}

void docommand(JexState& jex, Int16& step, Int16& slot) {
    if (step < 0 || step > lastrow) {
        refusestep(jex, slot);
        return;
    }
    const Command command = jex.store.commands[step][slot];
    const CommandInfo& info = commandinfo(command);
    const int argument = valueof(jex.store.arguments[step][slot]);
    const int speed = jex.robotspeed;
    if (!candostep(command, argument)) {
        refusestep(jex, slot);
        return;
    }
    // After most steps comes the pause between steps, then the next step.
    const auto next = [&] {
        stepgap(jex);
        ++jex.steppointer[slot];
    };

    switch (info.kind) {
    case CommandKind::move:
        moverobot(jex, info.direction * argument,
                  info.direction * pacing::moveincrement(speed, jex.canvasunit));
        next();
        return;
    case CommandKind::turn:
        turnrobot(jex, info.direction * argument, info.direction * pacing::turnincrement(speed));
        next();
        return;
    case CommandKind::counted:
        if (command == Command::flash)
            flashrobot(jex, argument);
        else
            pauserobot(jex, argument);
        next();
        return;
    case CommandKind::note:
        // Notes follow each other without a gap, so they play as a tune.
        playnote(jex, argument);
        ++jex.steppointer[slot];
        return;
    case CommandKind::repeat:
        openrepeat(jex, step, slot);
        next();
        return;
    case CommandKind::end:
        closerepeat(jex, slot);
        stepgap(jex);
        return;
    case CommandKind::call:
        callfunction(jex, info.calls);
        stepgap(jex);
        return;
    case CommandKind::done:
        // After a return `slot` is the caller's, whose call step is passed.
        endslot(jex);
        ++jex.steppointer[slot];
        return;
    case CommandKind::none:
        break;
    }
    refusestep(jex, slot);
}

void openrepeat(JexState& jex, int step, int slot) {
    Int16& level = jex.repeatlevel[slot];
    if (level < emptyrepeats || level + 2 >= repeatcells) {
        stoprun(jex);
        return;
    }
    auto& cells = jex.repeatstate[slot];
    cells[++level] = static_cast<Int16>(step + 1);  // where each pass begins
    cells[++level] = static_cast<Int16>(valueof(jex.store.arguments[step][slot]));  // passes left
}

void closerepeat(JexState& jex, int slot) {
    Int16& level = jex.repeatlevel[slot];
    if (level < emptyrepeats || level >= repeatcells) {
        refusestep(jex, slot);
        return;
    }
    auto& cells = jex.repeatstate[slot];
    if (cells[level] != 1) {
        --cells[level];
        jex.steppointer[slot] = cells[level - 1];
    } else {
        level = static_cast<Int16>(level - 2);
        ++jex.steppointer[slot];
    }
}

void callfunction(JexState& jex, int slot) {
    if (jex.calldepth < 0 || jex.calldepth >= static_cast<int>(jex.callstack.size())) {
        refusestep(jex, jex.currentslot);
        return;
    }
    jex.callstack[jex.calldepth++] = jex.currentslot;
    jex.currentslot = static_cast<Int16>(slot);
    jex.steppointer[slot] = 1;
}

void endslot(JexState& jex) {
    // With no call open (the test key on a call at the end of function 1)
    // there is nothing to return to, and the run ends here as it would at the
    // end of the main program.
    if (jex.currentslot == 0 || jex.calldepth <= 0) {
        jex.programended = true;
        return;
    }
    jex.currentslot = jex.callstack[--jex.calldepth];
}

void stepgap(JexState& jex) {
    if (cangoon(jex) && jex.robotspeed < pacing::waitbelow)
        pointeightsecwhilerunning(jex);
    else
        jex.platform.doevents(false);
}

void endrun(JexState& jex) {
    jex.platform.refreshcanvas();
    if (cangoon(jex)) {
        refreshlisting(jex);
        if (!jex.windows.graphics.target.visible)
            reportsuccess(jex, textid::finished);
        else if (isparked(jex))
            reportsuccess(jex, textid::parked);
        else
            reportproblem(jex, textid::missed);
        sayrunend(jex);
        // Only now: a click during the report's wait and sound changes nothing.
        jex.running = false;
        return;
    }
    showstep(jex, jex.currentslot, jex.steppointer[jex.currentslot] - 1);
    jex.running = false;
    reportproblem(jex, iscrashed(jex) ? textid::crashed : textid::stopped);
    sayrunend(jex);
}

void sayrunend(JexState& jex) {
    std::string phrase = placewords(jex);
    if (jex.windows.graphics.target.visible)
        phrase = pairwords(phrase, text(isparked(jex) ? textid::parked : textid::notparked));
    say(jex, phrase);
}

bool isparked(const JexState& jex) {
    const Control& target = jex.windows.graphics.target;
    const float acrosstolerance = static_cast<float>((target.width - jex.canvasunit) / 3.0);
    const float uptolerance = static_cast<float>((target.height - jex.canvasunit) / 3.0);
    return acrosstolerance > std::abs(jex.robotx - jex.targetx) &&
           uptolerance > std::abs(jex.roboty - jex.targety);
}

void testblink(JexState& jex) {
    const Int16 slot = jex.currentslot;
    const int step = jex.steppointer[slot];
    const int passes = valueof(jex.store.arguments[step][slot]);
    for (int i = 0; i < passes; ++i) {
        if (!jex.running) continue;
        showstep(jex, slot, step);
        blinkwait(jex);
        showstep(jex, slot, -1);
        blinkwait(jex);
    }
}

} // namespace jex
