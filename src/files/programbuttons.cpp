// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/programbuttons.h"

#include "core/platform.h"
#include "core/programstore.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "core/commands.h"
#include "entry/feedback.h"
#include "entry/keypad.h"
#include "entry/spoken.h"
#include "files/loadsave.h"

namespace jex {
namespace {

Control& changebutton(JexState& jex, int slot) {
    return slot == 1 ? jex.windows.graphics.change1 : jex.windows.graphics.change2;
}

// "change" on a function, or "end change" while it is being edited.
void changefunction(JexState& jex, int slot) {
    if (stopifrunning(jex)) return;
    if (jex.currentslot == slot) {
        // Only the repeats have to balance: a number still missing is no
        // reason to stay in the function.
        if (jex.store.openrepeats(slot) != 0) {
            refusekey(jex, textid::nomatchingend);
            return;
        }
        changebutton(jex, slot).caption = text(textid::change);
        jex.currentslot = 0;
        refreshlisting(jex);
        say(jex, slotwords(jex, 0));
        return;
    }
    if (!readytorun(jex)) return;
    changebutton(jex, slot).caption = text(textid::endchange);
    changebutton(jex, slot == 1 ? 2 : 1).caption = text(textid::change);
    jex.currentslot = static_cast<Int16>(slot);
    refreshlisting(jex);
    say(jex, slotwords(jex, slot));
}

// Appends a call of function 1 or 2 to the slot being edited. A call is a
// complete step: it is refused while the last step waits for its number, and
// afterwards the keypad expects a command, so no digit can change it.
void usefunction(JexState& jex, int called) {
    if (stopifrunning(jex)) return;
    const int s = jex.currentslot;
    if (!callallowed(callof(called), s)) {
        refusekey(jex, textid::cantusehere);
        return;
    }
    if (numberpending(jex)) {
        refusekey(jex, textid::expectingnumber);
        return;
    }
    if (jex.store.stepcount[s] == maxsteps) {
        refusekey(jex, textid::programfull);
        return;
    }
    appendstep(jex, callof(called), Int16{0});
    jex.entrystate[s] = entry::command;
}

} // namespace

void load_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    jex.windows.graphics.warnings.caption.clear();
    if (!jex.saved &&
        !jex.platform.askyesno(text(textid::programtitle), text(textid::notsavedcontinue)))
        return;
    loadprogram(jex);
}

void save_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    saveprogram(jex);
}

void change1_Click(JexState& jex) {
    changefunction(jex, 1);
}

void change2_Click(JexState& jex) {
    changefunction(jex, 2);
}

void use1_Click(JexState& jex) {
    usefunction(jex, 1);
}

void use2_Click(JexState& jex) {
    usefunction(jex, 2);
}

} // namespace jex
