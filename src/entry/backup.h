// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of the whole program store that RM puts back.
#pragma once

namespace jex {

struct JexState;

void backup(JexState& jex);

// Puts the copy back. It shows nothing and leaves the entry states alone.
void restore(JexState& jex);

} // namespace jex
