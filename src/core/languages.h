// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks, and where its texts come from. English
// is the program's own; every other language is a table of the same form as
// the program's, `<code>.txt` in a languages folder, read once at start.
#pragma once

#include "core/texts.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jex {

// The languages the desktop asks for, most wanted first, in the usual order:
// the list in LANGUAGE (unless the locale is plainly C or POSIX), then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. `variable` reads the
// environment, empty when unset.
std::vector<std::string> desktoplanguages(const std::function<std::string(const char*)>& variable);

// The table names a language code may be found under, most exact first:
// "de_AT.UTF-8@euro" gives "de_AT" and "de". A code with anything but letters,
// digits and one "_" in it gives none, so that no code reaches outside its
// folder.
std::vector<std::string> tablenames(std::string_view code);

// A language's table from the folders, each folder's entries correcting the
// ones before it; nothing when no folder has a table of that name.
std::optional<TextTable> readlanguage(std::string_view name,
                                      const std::vector<std::filesystem::path>& folders);

// Takes the first of the wanted languages that has a table and lays it over
// the English texts. English ("en") ends the search unless a folder holds a
// table correcting it. Answers the table name in use, empty for English, or
// nothing when no wanted language was found and English speaks instead.
std::optional<std::string> chooselanguage(const std::vector<std::string>& wanted,
                                          const std::vector<std::filesystem::path>& folders);

} // namespace jex
