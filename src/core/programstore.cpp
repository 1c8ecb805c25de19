// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/programstore.h"

#include "core/state.h"
#include "core/textids.h"
#include "core/tokens.h"
#include "entry/feedback.h"

namespace jex {

int countopenrepeats(const ProgramStore& store, int slot) {
    int open = 0;
    for (int step = 1; step <= store.stepcount[slot]; ++step) {
        const std::string& command = store.commands[step][slot];
        if (command == token::repeat) ++open;
        if (command == token::end) --open;
    }
    return open;
}

bool numberpending(const JexState& jex) {
    const int s = jex.currentslot;
    const int n = jex.store.stepcount[s];
    return jex.entrystate[s] == entry::firstdigit || valueof(jex.store.arguments[n][s]) == awaitingnumber;
}

bool readytorun(JexState& jex) {
    const int s = jex.currentslot;
    if (numberpending(jex)) {
        reportproblem(jex, textid::expectingnumber);
        return false;
    }
    if (countopenrepeats(jex.store, s) != 0) {
        reportproblem(jex, textid::nomatchingend);
        return false;
    }
    return true;
}

} // namespace jex
