// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keypad.h"

#include "core/programstore.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/commands.h"
#include "core/texts.h"
#include "entry/backup.h"
#include "entry/feedback.h"
#include "entry/spoken.h"

namespace jex {
namespace {

// A number that has all the digits its command takes takes no more, whatever
// the entry state says.
bool numbercomplete(const JexState& jex) {
    const int s = jex.currentslot;
    return hasalldigits(jex.store.lastcommand(s), jex.store.lastnumber(s));
}

} // namespace

void commandkey(JexState& jex, Command command) {
    if (stopifrunning(jex)) return;
    if (numberpending(jex)) {
        refusekey(jex, textid::expectingnumber);
        return;
    }
    if (jex.store.stepcount[jex.currentslot] == maxsteps) {
        refusekey(jex, textid::programfull);
        return;
    }
    addcommand(jex, command);
}

void addcommand(JexState& jex, Command command) {
    const int s = jex.currentslot;
    if (command == Command::end) {
        addend(jex);
    } else if (command == Command::repeat) {
        addrepeat(jex);
    } else {
        jex.entrystate[s] = entrystateafter(command);
        appendstep(jex, command);
    }
    // A repeat or end key that was refused still counts as a change.
    jex.saved = false;
}

void addrepeat(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.openrepeats(s) < maxopenrepeats) {
        jex.entrystate[s] = entrystateafter(Command::repeat);
        appendstep(jex, Command::repeat);
    } else {
        refusekey(jex, textid::toomanyrepeats);
    }
}

void addend(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.openrepeats(s) >= 1) {
        jex.entrystate[s] = entrystateafter(Command::end);
        appendstep(jex, Command::end, endmarker);
        backup(jex);
    } else {
        refusekey(jex, textid::nomatchingrepeat);
    }
}

void appendstep(JexState& jex, Command command, Argument number) {
    jex.store.append(jex.currentslot, command, number);
    refreshlisting(jex);
    saylaststep(jex);
}

void digitkey(JexState& jex, int digit) {
    if (stopifrunning(jex)) return;
    const int s = jex.currentslot;
    if (jex.entrystate[s] != entry::command && numbercomplete(jex))
        jex.entrystate[s] = entry::command;
    switch (jex.entrystate[s]) {
    case entry::command:
        refusekey(jex, textid::expectingcommand);
        return;
    case entry::firstdigit:
        if (digit == 0) {
            refusekey(jex, textid::expectingnumber);
            return;
        }
        adddigit(jex, digit);
        jex.entrystate[s] = entry::seconddigit;
        return;
    case entry::seconddigit:
        adddigit(jex, digit);
        jex.entrystate[s] = entry::lastdigit;
        return;
    default:
        adddigit(jex, digit);
        jex.entrystate[s] = entry::command;
        return;
    }
}

void adddigit(JexState& jex, int digit) {
    const int s = jex.currentslot;
    const int before = jex.store.lastnumber(s);
    jex.store.setnumber(s, static_cast<Int16>(before == awaitingnumber ? digit : before * 10 + digit));
    refreshlisting(jex);
    saylaststep(jex);
    backup(jex);
}

void ce(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.stepcount[s] == 0) {
        refusekey(jex, textid::nothingtorubout);
        return;
    }
    const std::string rubbed = stepwords(jex, jex.store.stepcount[s], s);
    jex.store.rubout(s);
    jex.entrystate[s] = entry::command;
    refreshlisting(jex);
    say(jex, filltext(textid::rubbedout, {rubbed}));
}

void cm(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.stepcount[s] == 0) {
        refusekey(jex, textid::nothingtorubout);
        return;
    }
    jex.store.clear(s);
    jex.entrystate[s] = entry::command;
    refreshlisting(jex);
    say(jex, text(textid::programcleared));
}

void rm(JexState& jex) {
    restore(jex);
    // The restored steps decide what the keypad expects next, so that digits
    // never run on into a number that was already complete.
    settleentrystates(jex);
    refreshlisting(jex);
    say(jex, filltext(textid::programback, {stepcountwords(jex.store.stepcount[jex.currentslot])}));
}

void settleentrystates(JexState& jex) {
    for (int s = 0; s < slotcount; ++s)
        jex.entrystate[s] = jex.store.settledentry(s);
}

} // namespace jex
