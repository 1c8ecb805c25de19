// SPDX-License-Identifier: GPL-3.0-or-later
// How wide a text is in the tests: every character half as wide as the font's
// size in points, a space included, so that a test can work out what fits;
// the characters real fonts draw with no width (zero-width spaces and joiners,
// soft hyphens, the byte order mark, combining accents) have none.
#pragma once

#include "core/controls.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace jex::testing {

inline double fakewidth(const Font& font, std::string_view text) {
    constexpr std::string_view widthless[] = {"\u00AD", "\u200B", "\u200C", "\u200D",
                                              "\u200E", "\u200F", "\u2060", "\uFEFF"};
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        while (at + length < text.size() &&
               (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
            ++length;
        const std::string_view character = text.substr(at, length);
        const bool combining = character >= "\u0300" && character <= "\u036F";
        if (!combining &&
            std::find(std::begin(widthless), std::end(widthless), character) == std::end(widthless))
            ++characters;
        at += length;
    }
    return static_cast<double>(characters) * font.points / 2;
}

} // namespace jex::testing
