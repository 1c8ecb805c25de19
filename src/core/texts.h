// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows comes from its string table, by number.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace jex {

using TextTable = std::map<int, std::string>;

// The text of that number, exactly as it stands in the table; empty when the
// table has no such number. A language in use speaks first; a number it lacks
// keeps the program's own English text.
std::string text(int number);

// The table as carried in the program, one `number "text"` entry a line.
std::string_view stringtablesource();

// Reads a table of that form: `number "text"` a line, everything between the
// first and the last double quote; blank lines and lines starting with # are
// passed over, and so is a line of any other form.
TextTable readtable(std::string_view source);

// The program's own English table.
const TextTable& englishtable();

// Lays another language's texts over the English ones; an empty table speaks
// English again.
void uselanguage(TextTable table);

} // namespace jex
