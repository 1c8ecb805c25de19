// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing window's print button.
#pragma once

namespace jex {

struct JexState;

// While a run is in progress the click only asks it to stop.
void printbutton_Click(JexState& jex);

} // namespace jex
