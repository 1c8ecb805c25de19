// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fixed folders, rooted in the user's home folder.
#pragma once

#include <filesystem>

namespace jex {

struct JexState;

// The root of the program's folders: `dorvane` in the home folder.
std::filesystem::path dorvanefolder();
std::filesystem::path picturefolder();
std::filesystem::path programsfolder();

// Creates one folder; a folder that exists already or cannot be made is
// passed over without a word.
void makefolder(const std::filesystem::path& folder);

void makepicturefolders();
void makeprogramfolders(const JexState& jex);

} // namespace jex
