// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keys.h"

#include <array>

namespace jex {

std::string_view keyname(Key key) {
    static constexpr std::array<std::string_view, keycount> names = {
        "seven", "eight", "nine",  "note",       "forwards",  "flash",
        "four",  "five",  "six",   "leftbutton", "pause",     "rightbutton",
        "one",   "two",   "three", "repeat",     "backwards", "endbutton",
        "zero",  "test",  "go",    "cm",         "ce",        "rm",
    };
    return names[static_cast<std::size_t>(keyindex(key))];
}

int keydigit(Key key) {
    switch (key) {
    case Key::zero: return 0;
    case Key::one: return 1;
    case Key::two: return 2;
    case Key::three: return 3;
    case Key::four: return 4;
    case Key::five: return 5;
    case Key::six: return 6;
    case Key::seven: return 7;
    case Key::eight: return 8;
    case Key::nine: return 9;
    default: return -1;
    }
}

} // namespace jex
