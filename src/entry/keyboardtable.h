// SPDX-License-Identifier: GPL-3.0-or-later
// Which key of the computer's keyboard presses which key of the robot's
// keypad, for pupils who find the mouse hard: one table that both editions
// read, and the keys' names in the program's language.
#pragma once

#include "core/controls.h"

#include <span>
#include <string>

namespace jex {

// The keys of the table that are not a letter or a digit.
enum class NamedKey { none, up, down, left, right, returnkey, enter, del, backspace, insert };

struct KeyboardKey {
    char character; // the digit or capital letter on the key; 0 for a named key
    NamedKey named;
    Key keypad;
};

// The whole table; the first keyboard key listed for a keypad key is the one
// its tool tip names first.
std::span<const KeyboardKey> keyboardtable();

// The string table's number for a named key's name.
int keyboardkeytext(NamedKey named);

// How a keyboard key is written for a pupil: its digit or letter, else its
// name in the program's language ("Pfeil hoch", "Entf").
std::string keyboardkeyname(const KeyboardKey& key);

// How a pupil and a screen reader call a keypad key ("turn left").
std::string keypadkeyname(Key keypad);

// The keyboard keys that press a keypad key ("G or Return or Enter"); where
// a language calls two of them alike, the name is given once.
std::string keyboardkeysname(Key keypad);

// "go: G or Return or Enter", for the key's tool tip.
std::string keytooltip(Key keypad);

// The key that says where the robot is, its heading, the pen, the target and
// the lines drawn: a letter none of the keypad's keys takes.
inline constexpr char whereamikey = 'W';

// The whole table, one keypad key a line, and the keys of the windows, for
// the command line's help.
std::string keyboardhelp();

} // namespace jex
