// SPDX-License-Identifier: GPL-3.0-or-later
// The 24 keys of the robot's keypad, in four rows of six.
#pragma once

#include "core/controls.h"

#include <string_view>

namespace jex {

inline constexpr int keycolumns = 6;

inline int keyindex(Key key) { return static_cast<int>(key); }
inline int keyrow(Key key) { return keyindex(key) / keycolumns; }
inline int keycolumn(Key key) { return keyindex(key) % keycolumns; }
// The key's face among the program's pictures, 101..124.
inline constexpr int firstkeyface = 101;
inline int keybitmap(Key key) {
    return firstkeyface + keyindex(key);
}

// The key's own name, as its control is called.
std::string_view keyname(Key key);

// The digit of a digit key, or -1 for a command key.
int keydigit(Key key);

} // namespace jex
