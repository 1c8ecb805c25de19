// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keypad.h"

#include "core/programstore.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "core/tokens.h"
#include "entry/backup.h"
#include "entry/feedback.h"
#include "entry/spoken.h"

namespace jex {
namespace {

constexpr int threedigits = 100;  // the smallest number with all its digits

int lastnumber(const JexState& jex) {
    const int s = jex.currentslot;
    return valueof(jex.store.arguments[jex.store.stepcount[s]][s]);
}

// A note takes one digit and a counted command three; a number that has them
// all takes no more, whatever the entry state says.
bool numbercomplete(const JexState& jex) {
    const int s = jex.currentslot;
    const int n = jex.store.stepcount[s];
    const int number = lastnumber(jex);
    if (number == awaitingnumber) return false;
    return jex.store.commands[n][s] == token::note || number >= threedigits;
}

// What the keypad expects after the slot's last step, read from the step.
Int16 entrystatefor(const JexState& jex, int slot) {
    const int n = jex.store.stepcount[slot];
    if (n == 0 || valueof(jex.store.arguments[n][slot]) != awaitingnumber) return entry::command;
    return jex.store.commands[n][slot] == token::note ? entry::lastdigit : entry::firstdigit;
}

} // namespace

void commandkey(JexState& jex, std::string_view command) {
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

void addcommand(JexState& jex, std::string_view command) {
    const int s = jex.currentslot;
    if (command == token::end) {
        addend(jex);
    } else if (command == token::repeat) {
        addrepeat(jex);
    } else {
        jex.entrystate[s] = command == token::note ? entry::lastdigit : entry::firstdigit;
        appendstep(jex, command);
    }
    // A repeat or end key that was refused still counts as a change.
    jex.saved = false;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
}

void addrepeat(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.openrepeats[s] < maxopenrepeats) {
        jex.entrystate[s] = entry::firstdigit;
        appendstep(jex, token::repeat);
    } else {
        refusekey(jex, textid::toomanyrepeats);
    }
}

void addend(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.openrepeats[s] >= 1) {
        jex.entrystate[s] = entry::command;
        appendstep(jex, token::end);
        jex.store.arguments[jex.store.stepcount[s]][s] = endmarker;
        backup(jex);
    } else {
        refusekey(jex, textid::nomatchingrepeat);
    }
}

void appendstep(JexState& jex, std::string_view command) {
    const int s = jex.currentslot;
    const int n = ++jex.store.stepcount[s];
    jex.store.commands[n][s] = command;
    jex.store.arguments[n][s] = awaitingnumber;
    jex.store.commands[n + 1][s] = token::done;
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
    Argument& number = jex.store.arguments[jex.store.stepcount[s]][s];
    const int before = valueof(number);
    number = static_cast<Int16>(before == awaitingnumber ? digit : before * 10 + digit);
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
    jex.entrystate[s] = entry::command;
    const std::string rubbed = stepwords(jex, jex.store.stepcount[s], s);
    const int n = --jex.store.stepcount[s];
    jex.store.commands[n + 1][s] = token::done;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
    refreshlisting(jex);
    say(jex, filltext(textid::rubbedout, {rubbed}));
}

void cm(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.stepcount[s] == 0) {
        refusekey(jex, textid::nothingtorubout);
        return;
    }
    for (auto& row : jex.store.commands) row[s].clear();
    jex.store.stepcount[s] = 0;
    jex.store.commands[0][s] = token::done;
    jex.store.commands[1][s] = token::done;
    jex.entrystate[s] = entry::command;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
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
        jex.entrystate[s] = entrystatefor(jex, s);
}

} // namespace jex
