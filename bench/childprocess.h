// SPDX-License-Identifier: GPL-3.0-or-later
// A program the benchmark starts, with a few environment variables changed,
// and stops again however the measurement ends.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace jex::bench {

struct Launch {
    std::vector<std::string> arguments;             // the program first, found on PATH
    std::map<std::string, std::string> environment; // added or replaced
    std::vector<std::string> unset;                 // removed
    std::optional<int> passfd;                      // handed to the child as descriptor 3
};

class ChildProcess {
public:
    // Throws std::system_error when the program cannot be started.
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();

    // Asks the program to end, and kills it when it has not within the grace.
    void stop(std::chrono::milliseconds grace = std::chrono::seconds(5));

private:
    bool reap(int flags);

    pid_t pid_ = -1;
    bool ended_ = false;
};

} // namespace jex::bench
