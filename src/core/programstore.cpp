// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/programstore.h"

#include "core/state.h"
#include "core/textids.h"

namespace jex {

void ProgramStore::clear(int slot) {
    for (auto& row : commands) row[slot] = Command::none;
    stepcount[slot] = 0;
    commands[0][slot] = Command::done;
    commands[1][slot] = Command::done;
}

bool ProgramStore::append(int slot, Command command, Argument number) {
    if (stepcount[slot] >= maxsteps) return false;
    const int n = ++stepcount[slot];
    commands[n][slot] = command;
    arguments[n][slot] = number;
    commands[n + 1][slot] = Command::done;
    return true;
}

bool ProgramStore::rubout(int slot) {
    if (stepcount[slot] == 0) return false;
    const int n = --stepcount[slot];
    commands[n + 1][slot] = Command::done;
    return true;
}

void ProgramStore::setnumber(int slot, Argument number) { arguments[stepcount[slot]][slot] = number; }

void ProgramStore::restore(const ProgramSteps& steps) { static_cast<ProgramSteps&>(*this) = steps; }

int ProgramStore::openrepeats(int slot) const {
    int open = 0;
    for (int step = 1; step <= stepcount[slot]; ++step) {
        const Command command = commands[step][slot];
        if (command == Command::repeat) ++open;
        if (command == Command::end) --open;
    }
    return open;
}

Int16 ProgramStore::settledentry(int slot) const {
    if (stepcount[slot] == 0 || lastnumber(slot) != awaitingnumber) return entry::command;
    return entrystateafter(lastcommand(slot));
}

bool numberpending(const JexState& jex) {
    const int s = jex.currentslot;
    return jex.entrystate[s] == entry::firstdigit || jex.store.lastnumber(s) == awaitingnumber;
}

std::optional<int> whynotready(const JexState& jex) {
    if (numberpending(jex)) return textid::expectingnumber;
    if (jex.store.openrepeats(jex.currentslot) != 0) return textid::nomatchingend;
    return std::nullopt;
}

} // namespace jex
