// SPDX-License-Identifier: GPL-3.0-or-later
// The letters of other alphabets written in Latin letters (Polish ł, Welsh ŵ,
// Romanian ș, Czech ř …) as near as Windows-1252 can hold them, so that a
// pupil's name is saved as it is shown.
#pragma once

#include <string_view>

namespace jex {

// The nearest Windows-1252 form of a Latin letter the code page lacks, in
// UTF-8 ("l" for ł, "å" for ǻ, "IJ" for Ĳ); empty for a character with none.
std::string_view nearestlatinletter(char32_t letter);

// The code page's letter that a letter and a combining accent after it make
// together (e and U+0301 make é); 0 where the code page has no such letter.
char32_t composedletter(char32_t letter, char32_t accent);

// A combining accent, which belongs to the letter before it.
constexpr bool iscombiningaccent(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

} // namespace jex
