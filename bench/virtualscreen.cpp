// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualscreen.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace jex::bench {
namespace {

constexpr int startseconds = 10;

class Pipe {
public:
    Pipe() {
        if (pipe2(ends_, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    }
    ~Pipe() {
        closewriteend();
        close(ends_[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int readend() const { return ends_[0]; }
    int writeend() const { return ends_[1]; }
    void closewriteend() {
        if (ends_[1] >= 0) close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2] = {-1, -1};
};

// The server writes its display number and a newline once it is ready, and
// closes the pipe if it dies first.
std::string readdisplaynumber(int fd) {
    std::string number;
    pollfd waiting{.fd = fd, .events = POLLIN, .revents = 0};
    while (poll(&waiting, 1, startseconds * 1000) > 0) {
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || c == '\n') break;
        number += c;
    }
    return number;
}

} // namespace

VirtualScreen::VirtualScreen() {
    Pipe ready;
    Launch launch;
    launch.arguments = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24",
                        "-dpi", "96", "-nolisten", "tcp"};
    launch.passfd = ready.writeend();
    server_ = std::make_unique<ChildProcess>(launch);
    ready.closewriteend();
    const std::string number = readdisplaynumber(ready.readend());
    if (number.empty()) throw std::runtime_error("the virtual screen did not start");
    display_ = ":" + number;
}

} // namespace jex::bench
