// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keypad.h"

#include "core/programstore.h"
#include "core/state.h"
#include "core/texts.h"
#include "entry/backup.h"
#include "entry/feedback.h"
#include "entry/keys.h"

namespace jex {
namespace {

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
    return jex.store.commands[n][s] == "N" || number >= 100;
}

// What the keypad expects after the slot's last step, read from the step.
Int16 entrystatefor(const JexState& jex, int slot) {
    const int n = jex.store.stepcount[slot];
    if (n == 0 || valueof(jex.store.arguments[n][slot]) != awaitingnumber) return 0;
    return jex.store.commands[n][slot] == "N" ? 3 : 1;
}

} // namespace

void keypad_Click(JexState& jex, Key key) {
    if (const int digit = keydigit(key); digit >= 0) {
        digitkey(jex, digit);
        return;
    }
    switch (key) {
    case Key::forwards: commandkey(jex, "F"); return;
    case Key::backwards: commandkey(jex, "B"); return;
    case Key::leftbutton: commandkey(jex, "L"); return;
    case Key::rightbutton: commandkey(jex, "R"); return;
    case Key::pause: commandkey(jex, "P"); return;
    case Key::flash: commandkey(jex, "FL"); return;
    case Key::note: commandkey(jex, "N"); return;
    case Key::repeat: commandkey(jex, "RP"); return;
    case Key::endbutton: commandkey(jex, "E"); return;
    default: break;
    }
    if (jex.running) {
        stoprun(jex);
        return;
    }
    switch (key) {
    case Key::ce: ce(jex); return;
    case Key::cm: cm(jex); return;
    case Key::rm: rm(jex); return;
    case Key::test: test(jex); return;
    case Key::go: go(jex); return;
    default: return;
    }
}

void commandkey(JexState& jex, std::string_view token) {
    if (jex.running) {
        stoprun(jex);
        return;
    }
    const int s = jex.currentslot;
    if (jex.entrystate[s] == 1 || lastnumber(jex) == awaitingnumber) {
        reportproblem(jex, 125);
        return;
    }
    if (jex.store.stepcount[s] == maxsteps) {
        reportproblem(jex, 122);
        return;
    }
    addcommand(jex, token);
}

void addcommand(JexState& jex, std::string_view token) {
    const int s = jex.currentslot;
    if (token == "E") {
        addend(jex);
    } else if (token == "RP") {
        addrepeat(jex);
    } else {
        jex.entrystate[s] = token == "N" ? 3 : 1;
        appendstep(jex, token);
    }
    // A repeat or end key that was refused still counts as a change.
    jex.saved = false;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
}

void addrepeat(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.openrepeats[s] < 3) {
        jex.entrystate[s] = 1;
        appendstep(jex, "RP");
    } else {
        reportproblem(jex, 123);
    }
}

void addend(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.openrepeats[s] >= 1) {
        jex.entrystate[s] = 0;
        appendstep(jex, "E");
        jex.store.arguments[jex.store.stepcount[s]][s] = endmarker;
        backup(jex);
    } else {
        reportproblem(jex, 124);
    }
}

void appendstep(JexState& jex, std::string_view token) {
    const int s = jex.currentslot;
    const int n = ++jex.store.stepcount[s];
    jex.store.commands[n][s] = token;
    jex.store.arguments[n][s] = awaitingnumber;
    jex.store.commands[n + 1][s] = donetoken;
    refreshlisting(jex);
}

void digitkey(JexState& jex, int digit) {
    if (jex.running) {
        stoprun(jex);
        return;
    }
    const int s = jex.currentslot;
    if (jex.entrystate[s] != 0 && numbercomplete(jex)) jex.entrystate[s] = 0;
    switch (jex.entrystate[s]) {
    case 0:
        reportproblem(jex, 126);
        return;
    case 1:
        if (digit == 0) {
            reportproblem(jex, 125);
            return;
        }
        adddigit(jex, digit);
        jex.entrystate[s] = 2;
        return;
    case 2:
        adddigit(jex, digit);
        jex.entrystate[s] = 3;
        return;
    default:
        adddigit(jex, digit);
        jex.entrystate[s] = 0;
        return;
    }
}

void adddigit(JexState& jex, int digit) {
    const int s = jex.currentslot;
    Argument& number = jex.store.arguments[jex.store.stepcount[s]][s];
    const int before = valueof(number);
    number = static_cast<Int16>(before == awaitingnumber ? digit : before * 10 + digit);
    refreshlisting(jex);
    backup(jex);
}

void ce(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.stepcount[s] == 0) {
        reportproblem(jex, 178);
        return;
    }
    jex.entrystate[s] = 0;
    const int n = --jex.store.stepcount[s];
    jex.store.commands[n + 1][s] = donetoken;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
    refreshlisting(jex);
}

void cm(JexState& jex) {
    const int s = jex.currentslot;
    if (jex.store.stepcount[s] == 0) {
        reportproblem(jex, 178);
        return;
    }
    for (auto& row : jex.store.commands) row[s].clear();
    jex.store.stepcount[s] = 0;
    jex.store.commands[0][s] = donetoken;
    jex.store.commands[1][s] = donetoken;
    jex.entrystate[s] = 0;
    jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
    refreshlisting(jex);
}

void rm(JexState& jex) {
    restore(jex);
    // The restored steps decide what the keypad expects next, so that digits
    // never run on into a number that was already complete.
    for (int s = 0; s < slotcount; ++s) jex.entrystate[s] = entrystatefor(jex, s);
    refreshlisting(jex);
}

void go(JexState& jex) {
    if (!readytorun(jex)) return;
    jex.windows.graphics.change1.caption = text(115);
    jex.windows.graphics.change2.caption = text(115);
}

void test(JexState& jex) {
    if (jex.entrystate[jex.currentslot] == 1) reportproblem(jex, 125);
}

} // namespace jex
