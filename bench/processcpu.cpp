// SPDX-License-Identifier: GPL-3.0-or-later
#include "processcpu.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace jex::bench {

std::optional<std::chrono::duration<double>> cputime(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat{std::istreambuf_iterator<char>(file), {}};
    // The command name in parentheses may hold spaces; the fields that
    // follow it start with the state, field 3, so utime (14) and stime (15)
    // are the 12th and 13th after it.
    const auto nameend = stat.rfind(')');
    if (nameend == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(nameend + 1));
    std::string skipped;
    for (int field = 3; field < 14; ++field) fields >> skipped;
    unsigned long long usertime = 0, systemtime = 0;
    if (!(fields >> usertime >> systemtime)) return std::nullopt;
    return std::chrono::duration<double>(static_cast<double>(usertime + systemtime) /
                                         static_cast<double>(sysconf(_SC_CLK_TCK)));
}

} // namespace jex::bench
