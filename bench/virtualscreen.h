// SPDX-License-Identifier: GPL-3.0-or-later
// A private X server the size of a classroom screen (1024 x 768 at 96 DPI)
// with no window manager, on whichever display number is free.
#pragma once

#include "childprocess.h"

#include <memory>
#include <string>

namespace jex::bench {

class VirtualScreen {
public:
    // Returns once the server accepts clients. Throws std::runtime_error when
    // it does not start.
    VirtualScreen();

    // ":N", for DISPLAY.
    const std::string& display() const { return display_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

} // namespace jex::bench
