// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started the way a pupil starts it, on a given screen.
#pragma once

#include "childprocess.h"

#include <string>

namespace jex::bench {

// True when the program has been built next to the benchmarks.
bool programbuilt();

// Runs on the display with the benchmark's scratch home and no sound server,
// so the start-up sound is skipped at once.
Launch programlaunch(const std::string& display);

} // namespace jex::bench
