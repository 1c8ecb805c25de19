// SPDX-License-Identifier: GPL-3.0-or-later
// How much processor time a running process has used so far, user and
// system time together, as the kernel counts it (in clock ticks).
#pragma once

#include <chrono>
#include <optional>
#include <sys/types.h>

namespace jex::bench {

// Empty when the process no longer exists.
std::optional<std::chrono::duration<double>> cputime(pid_t pid);

} // namespace jex::bench
