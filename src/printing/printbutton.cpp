// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printbutton.h"

#include "core/state.h"

namespace jex {

void printbutton_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

} // namespace jex
