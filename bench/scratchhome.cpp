// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchhome.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace jex::bench {

ScratchHome::ScratchHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "jexbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "cannot make a scratch home");
    path_ = pattern;
    setenv("HOME", path_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
}

ScratchHome::~ScratchHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace jex::bench
