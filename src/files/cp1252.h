// SPDX-License-Identifier: GPL-3.0-or-later
// Program files are Windows-1252 text, so that they pass freely between this
// program and its Windows version; in memory every text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace jex {

// Each byte becomes the character it stands for. The five bytes the code page
// leaves undefined become the control characters of the same number, as
// Windows itself reads them, so that they survive a round trip.
std::string cp1252toutf8(std::string_view bytes);

// A character the code page cannot hold, or a broken UTF-8 sequence, becomes
// "?", as a Windows program writes it.
std::string utf8tocp1252(std::string_view text);

} // namespace jex
