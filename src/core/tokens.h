// SPDX-License-Identifier: GPL-3.0-or-later
// The command tokens a step holds, and what the keypad expects next in a slot.
#pragma once

#include "core/types.h"

#include <string_view>

namespace jex {

namespace token {
inline constexpr std::string_view forwards = "F";
inline constexpr std::string_view backwards = "B";
inline constexpr std::string_view left = "L";
inline constexpr std::string_view right = "R";
inline constexpr std::string_view pause = "P";
inline constexpr std::string_view note = "N";
inline constexpr std::string_view flash = "FL";
inline constexpr std::string_view repeat = "RP";
inline constexpr std::string_view end = "E";
inline constexpr std::string_view callone = "PF1";   // runs function 1
inline constexpr std::string_view calltwo = "PF2";   // runs function 2
inline constexpr std::string_view done = "DONE";     // the end of a slot
} // namespace token

// The keypad's entry state of a slot.
namespace entry {
inline constexpr Int16 command = 0;      // a command; digits are refused
inline constexpr Int16 firstdigit = 1;   // the first digit of a counted command; 0 is refused
inline constexpr Int16 seconddigit = 2;  // an optional second digit
inline constexpr Int16 lastdigit = 3;    // an optional last digit, or a note's single digit
} // namespace entry

} // namespace jex
