// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/languagefolders.h"

#include "files/folders.h"

#include <optional>
#include <system_error>

namespace jex::qt {
namespace {

// Found from the running program itself, so that an installed copy and one
// in a build folder each find their own tables.
std::optional<std::filesystem::path> programfolder() {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return std::nullopt;
    return program.parent_path();
}

} // namespace

std::vector<std::filesystem::path> languagefolders() {
    std::vector<std::filesystem::path> folders;
    if (const auto program = programfolder()) {
        folders.push_back(program->parent_path() / "share" / "jex" / "languages");
        folders.push_back(*program / "languages");
    }
    if (const auto dorvane = dorvanefolder()) folders.push_back(*dorvane / "jex" / "languages");
    return folders;
}

} // namespace jex::qt
