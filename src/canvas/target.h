// SPDX-License-Identifier: GPL-3.0-or-later
// The target square that lies on the drawing area.
#pragma once

namespace jex {

struct JexState;

// A click on the target itself. While a run is in progress it only asks the
// run to stop.
void graphicstarget_Click(JexState& jex);

} // namespace jex
