// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh, empty home folder for the whole benchmark run, so the simulator
// makes its folders there and never in the home of whoever runs it.
#pragma once

#include <filesystem>

namespace jex::bench {

class ScratchHome {
public:
    // Creates the folder and points HOME, and the runtime folder Qt asks
    // for, at it.
    ScratchHome();
    ~ScratchHome();
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace jex::bench
