// SPDX-License-Identifier: GPL-3.0-or-later
#include "processcpu.h"

#include <ctime>

namespace jex::bench {

std::optional<std::chrono::nanoseconds> cputime(pid_t pid) {
    // The process's own processor clock, which the kernel keeps exactly
    // rather than in ticks, and which counts threads that have ended too.
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return std::nullopt;
    return std::chrono::seconds(used.tv_sec) + std::chrono::nanoseconds(used.tv_nsec);
}

} // namespace jex::bench
