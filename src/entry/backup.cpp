// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/backup.h"

#include "core/state.h"

namespace jex {

void backup(JexState& jex) {
    jex.backupsteps = jex.store;
}

void restore(JexState& jex) {
    jex.store.restore(jex.backupsteps);
}

} // namespace jex
