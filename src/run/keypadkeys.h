// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's 24 keys: the editing keys key the program in, GO and test start
// a run.
#pragma once

#include "core/controls.h"

namespace jex {

struct JexState;

// A click on one of the 24 keys. While a run is in progress every key only
// asks it to stop.
void keypad_Click(JexState& jex, Key key);

void go(JexState& jex);
void test(JexState& jex);

} // namespace jex
