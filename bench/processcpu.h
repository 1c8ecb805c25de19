// SPDX-License-Identifier: GPL-3.0-or-later
// How much processor time a running process has used so far, all its threads
// together, to the nanosecond: an idle program uses so little that the
// kernel's 10 ms accounting ticks would show nothing at all.
#pragma once

#include <chrono>
#include <optional>
#include <sys/types.h>

namespace jex::bench {

// Empty when the process no longer exists.
std::optional<std::chrono::nanoseconds> cputime(pid_t pid);

} // namespace jex::bench
