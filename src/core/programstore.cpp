// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/programstore.h"

#include "core/state.h"
#include "core/textids.h"
#include "core/tokens.h"

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
    return jex.entrystate[s] == entry::firstdigit ||
           valueof(jex.store.arguments[n][s]) == awaitingnumber;
}

std::optional<int> whynotready(const JexState& jex) {
    if (numberpending(jex)) return textid::expectingnumber;
    if (countopenrepeats(jex.store, jex.currentslot) != 0) return textid::nomatchingend;
    return std::nullopt;
}

} // namespace jex
