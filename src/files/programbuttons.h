// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's program buttons: load, save, and change and use for
// each function. While a run is in progress each only asks it to stop.
#pragma once

namespace jex {

struct JexState;

void load_Click(JexState& jex);
void save_Click(JexState& jex);
void change1_Click(JexState& jex);
void change2_Click(JexState& jex);
void use1_Click(JexState& jex);
void use2_Click(JexState& jex);

} // namespace jex
