// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/exit.h"

#include "core/platform.h"
#include "core/state.h"

namespace jex {

void exitbutton_Click(JexState& jex) {
    if (jex.running) {
        stoprun(jex);
        return;
    }
    jex.platform.endprogram();
}

} // namespace jex
