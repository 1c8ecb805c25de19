// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' keyboard table (entry/keyboardtable.h) in Qt's keys, and the
// keys' names as Qt strings.
#pragma once

#include "core/controls.h"

#include <QString>
#include <Qt>

#include <optional>
#include <vector>

namespace jex::qt {

// The keypad key a keyboard key presses; none for every other key. Keys of
// the number pad count as the same keys.
std::optional<Key> keypadkeyfor(int keyboard);

// The keypad key of the key at that place on the keyboard, known by its X11
// key code: where the keyboard's layout types other letters (Cyrillic, Greek)
// or accented letters on the digits, the key printed with the Latin letter or
// the digit still presses its keypad key. None for every other place.
std::optional<Key> keypadkeyat(quint32 x11keycode);

// The keyboard keys that press a keypad key, the one to learn first.
std::vector<Qt::Key> keyboardkeysfor(Key keypad);

// How a pupil and a screen reader call a keypad key, and how the keyboard
// keys that press it are written ("G or Return"), in the program's language.
QString keypadkeyname(Key keypad);
QString keyboardkeysname(Key keypad);

// "go: G or Return", for the key's tool tip.
QString keytooltip(Key keypad);

// The where-am-I key of the rules' table as Qt numbers it.
inline constexpr Qt::Key whereamikey = Qt::Key_W;
// Its place on a PC keyboard, by X11 key code, for layouts with no Latin W.
inline constexpr quint32 whereamiplace = 25;

// The whole mapping, one keypad key a line, for the command line's help.
QString keyboardhelp();

} // namespace jex::qt
