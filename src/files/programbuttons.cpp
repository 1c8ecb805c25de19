// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/programbuttons.h"

#include "core/state.h"

namespace jex {

void load_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void save_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void change1_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void change2_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void use1_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

void use2_Click(JexState& jex) {
    if (jex.running) stoprun(jex);
}

} // namespace jex
