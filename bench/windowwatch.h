// SPDX-License-Identifier: GPL-3.0-or-later
// Watches an X display for top-level windows by title. It sleeps on the
// server's notifications instead of polling, so the moment a window is
// mapped is seen within a round trip.
#pragma once

#include <chrono>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace jex::bench {

class WindowWatch {
public:
    // Throws std::runtime_error when the display does not answer.
    explicit WindowWatch(const std::string& display);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // True once a mapped top-level window carries each of the titles; false
    // when the deadline passes first.
    bool waitforall(const std::vector<std::string>& titles,
                    std::chrono::steady_clock::time_point deadline);

    // True once no mapped top-level window carries any of the titles.
    bool waitfornone(const std::vector<std::string>& titles,
                     std::chrono::steady_clock::time_point deadline);

private:
    std::vector<std::string> mappedtitles();
    std::string title(unsigned int window);
    bool waitforchange(std::chrono::steady_clock::time_point deadline);

    xcb_connection_t* connection_ = nullptr;
    unsigned int root_ = 0;
    unsigned int netwmname_ = 0;
};

} // namespace jex::bench
