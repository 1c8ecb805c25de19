// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/folders.h"

#include "core/state.h"

#include <cstdlib>
#include <system_error>

namespace jex {

std::filesystem::path dorvanefolder() {
#ifdef _WIN32
    return "C:\\dorvane";
#else
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / "dorvane";
#endif
}

std::filesystem::path picturefolder() { return dorvanefolder() / "jex" / "picture"; }

std::filesystem::path programsfolder() { return dorvanefolder() / "jex" / "programs"; }

void makefolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
}

void makepicturefolders() {
    makefolder(dorvanefolder());
    makefolder(dorvanefolder() / "jex");
    makefolder(picturefolder());
}

void makeprogramfolders(const JexState& jex) {
    makefolder(dorvanefolder());
    makefolder(dorvanefolder() / "jex");
    makefolder(programsfolder());
    makefolder(programsfolder() / jex.authorname);
}

} // namespace jex
