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

// As much of a text as the code page can hold, as near as it can, so that
// what a name box shows is what its file keeps: each character the code page
// holds stays, a Latin letter it lacks becomes its nearest form (ł is l, ŵ is
// w), a combining accent joins the letter before it where the code page has
// the two as one letter and is dropped otherwise, and every other character
// (Greek, Cyrillic, emoji, a broken sequence) is dropped. Still UTF-8.
std::string nearestwritable(std::string_view text);

} // namespace jex
