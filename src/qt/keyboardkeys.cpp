// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keyboardkeys.h"

#include "entry/keyboardtable.h"
#include "qt/looks.h"

#include <algorithm>
#include <array>

namespace jex::qt {
namespace {

static_assert(whereamikey == static_cast<Qt::Key>(jex::whereamikey));

// Qt numbers the digits and capital letters by their own characters.
Qt::Key qtkey(const KeyboardKey& key) {
    switch (key.named) {
    case NamedKey::up: return Qt::Key_Up;
    case NamedKey::down: return Qt::Key_Down;
    case NamedKey::left: return Qt::Key_Left;
    case NamedKey::right: return Qt::Key_Right;
    case NamedKey::returnkey: return Qt::Key_Return;
    case NamedKey::enter: return Qt::Key_Enter;
    case NamedKey::del: return Qt::Key_Delete;
    case NamedKey::backspace: return Qt::Key_Backspace;
    case NamedKey::insert: return Qt::Key_Insert;
    case NamedKey::none: break;
    }
    return static_cast<Qt::Key>(key.character);
}

// Where the keys of the table lie on a PC keyboard, by X11 key code: the
// digits' row and the letters the table uses.
struct KeyPlace {
    quint32 x11keycode;
    Qt::Key keyboard;
};
constexpr auto places = std::to_array<KeyPlace>({
    {10, Qt::Key_1}, {11, Qt::Key_2}, {12, Qt::Key_3}, {13, Qt::Key_4}, {14, Qt::Key_5},
    {15, Qt::Key_6}, {16, Qt::Key_7}, {17, Qt::Key_8}, {18, Qt::Key_9}, {19, Qt::Key_0},
    {26, Qt::Key_E}, {27, Qt::Key_R}, {28, Qt::Key_T}, {33, Qt::Key_P}, {41, Qt::Key_F},
    {42, Qt::Key_G}, {43, Qt::Key_H}, {46, Qt::Key_L}, {53, Qt::Key_X}, {56, Qt::Key_B},
    {57, Qt::Key_N}, {58, Qt::Key_M},
});

} // namespace

std::optional<Key> keypadkeyfor(int keyboard) {
    for (const KeyboardKey& key : keyboardtable())
        if (qtkey(key) == keyboard) return key.keypad;
    return std::nullopt;
}

std::optional<Key> keypadkeyat(quint32 x11keycode) {
    const auto found =
        std::find_if(places.begin(), places.end(), [x11keycode](const KeyPlace& place) {
            return place.x11keycode == x11keycode;
        });
    if (found == places.end()) return std::nullopt;
    return keypadkeyfor(found->keyboard);
}

std::vector<Qt::Key> keyboardkeysfor(Key keypad) {
    std::vector<Qt::Key> keys;
    for (const KeyboardKey& key : keyboardtable())
        if (key.keypad == keypad) keys.push_back(qtkey(key));
    return keys;
}

QString keypadkeyname(Key keypad) {
    return qtext(jex::keypadkeyname(keypad));
}

QString keyboardkeysname(Key keypad) {
    return qtext(jex::keyboardkeysname(keypad));
}

QString keytooltip(Key keypad) {
    return qtext(jex::keytooltip(keypad));
}

QString keyboardhelp() {
    return qtext(jex::keyboardhelp());
}

} // namespace jex::qt
