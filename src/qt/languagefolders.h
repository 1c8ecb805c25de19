// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its languages' tables.
#pragma once

#include <filesystem>
#include <vector>

namespace jex::qt {

// Each folder's tables correct those of the folders before it: the tables
// installed with the program (share/jex/languages beside its bin folder),
// those beside the program in its build folder (languages/), and last the
// teacher's own in ~/dorvane/jex/languages.
std::vector<std::filesystem::path> languagefolders();

} // namespace jex::qt
