// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/target.h"

#include "core/state.h"

namespace jex {

void graphicstarget_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

} // namespace jex
