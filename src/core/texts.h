// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows comes from its string table, by number.
#pragma once

#include <string>
#include <string_view>

namespace jex {

// The text of that number, exactly as it stands in the table; empty when the
// table has no such number.
std::string text(int number);

// The table as carried in the program, one `number "text"` entry a line.
std::string_view stringtablesource();

} // namespace jex
