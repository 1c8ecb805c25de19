// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/backup.h"

#include "core/state.h"

namespace jex {

void backup(JexState& jex) {
    jex.backupcommands = jex.store.commands;
    jex.backuparguments = jex.store.arguments;
    jex.backupstepcount = jex.store.stepcount;
}

void restore(JexState& jex) {
    jex.store.commands = jex.backupcommands;
    jex.store.arguments = jex.backuparguments;
    jex.store.stepcount = jex.backupstepcount;
    // Every slot was put back, so every slot's count must follow it.
    for (int s = 0; s < slotcount; ++s)
        jex.openrepeats[s] = static_cast<Int16>(countopenrepeats(jex.store, s));
}

} // namespace jex
