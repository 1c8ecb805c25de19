// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keyboardkeys.h"

#include "core/textids.h"
#include "entry/keys.h"
#include "qt/looks.h"

#include <QKeySequence>
#include <QStringList>

#include <algorithm>
#include <array>

namespace jex::qt {
namespace {

struct KeyboardKey {
    Qt::Key keyboard;
    Key keypad;
};

// The four moves are on the arrows and on the letters teachers write on the
// board ("F 50 L 90"); the other words take a letter that does not clash with
// them: their own initial where it is free, else a letter they are known by
// (X for "times", H from "flash", M for the memory RM brings back). The keys
// that rub out and restore are also the keyboard's own editing keys; Insert
// is a screen reader's own key while one runs, so RM has M as well. The
// letters stay the same whatever the program's language, so a printed key
// card stays right. The first keyboard key listed for a keypad key is the one
// a tool tip names first.
constexpr auto mapping = std::to_array<KeyboardKey>({
    {Qt::Key_0, Key::zero},
    {Qt::Key_1, Key::one},
    {Qt::Key_2, Key::two},
    {Qt::Key_3, Key::three},
    {Qt::Key_4, Key::four},
    {Qt::Key_5, Key::five},
    {Qt::Key_6, Key::six},
    {Qt::Key_7, Key::seven},
    {Qt::Key_8, Key::eight},
    {Qt::Key_9, Key::nine},
    {Qt::Key_Up, Key::forwards},
    {Qt::Key_F, Key::forwards},
    {Qt::Key_Down, Key::backwards},
    {Qt::Key_B, Key::backwards},
    {Qt::Key_Left, Key::leftbutton},
    {Qt::Key_L, Key::leftbutton},
    {Qt::Key_Right, Key::rightbutton},
    {Qt::Key_R, Key::rightbutton},
    {Qt::Key_X, Key::repeat},
    {Qt::Key_E, Key::endbutton},
    {Qt::Key_H, Key::flash},
    {Qt::Key_N, Key::note},
    {Qt::Key_P, Key::pause},
    {Qt::Key_T, Key::test},
    {Qt::Key_G, Key::go},
    {Qt::Key_Return, Key::go},
    {Qt::Key_Enter, Key::go},
    {Qt::Key_Delete, Key::cm},
    {Qt::Key_Backspace, Key::ce},
    {Qt::Key_Insert, Key::rm},
    {Qt::Key_M, Key::rm},
});

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
    const auto found =
        std::find_if(mapping.begin(), mapping.end(),
                     [keyboard](const KeyboardKey& k) { return k.keyboard == keyboard; });
    if (found == mapping.end()) return std::nullopt;
    return found->keypad;
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
    for (const KeyboardKey& k : mapping)
        if (k.keypad == keypad) keys.push_back(k.keyboard);
    return keys;
}

QString keypadkeyname(Key keypad) {
    return fromtable(textid::firstkeypadname + keyindex(keypad));
}

QString keyboardkeysname(Key keypad) {
    QStringList names;
    for (Qt::Key key : keyboardkeysfor(keypad))
        names << QKeySequence(key).toString(QKeySequence::NativeText);
    return names.join(fromtable(textid::keyboardkeyor));
}

QString keytooltip(Key keypad) {
    return fromtable(textid::keytooltip).arg(keypadkeyname(keypad), keyboardkeysname(keypad));
}

QString whereamihelp() {
    return fromtable(textid::keytooltip)
        .arg(QKeySequence(whereamikey).toString(QKeySequence::NativeText),
             fromtable(textid::whereamidoes));
}

QString keyboardhelp() {
    QString help = fromtable(textid::keyboardkeys) + QLatin1Char('\n');
    help += QStringLiteral("  ") + fromtable(textid::digitkeys) + QLatin1Char('\n');
    // In the order of the table: the moves first, the rarer keys last.
    std::vector<Key> listed;
    for (const KeyboardKey& k : mapping) {
        if (keydigit(k.keypad) >= 0 ||
            std::find(listed.begin(), listed.end(), k.keypad) != listed.end())
            continue;
        listed.push_back(k.keypad);
        help += QStringLiteral("  ") + keytooltip(k.keypad) + QLatin1Char('\n');
    }
    help += QStringLiteral("  ") + whereamihelp() + QLatin1Char('\n');
    help += QLatin1Char('\n');
    for (int line : {textid::tabkeys, textid::windowkeys, textid::listingkeys, textid::sliderkeys,
                     textid::nameboxkeys})
        help += fromtable(line) + QLatin1Char('\n');
    return help;
}

} // namespace jex::qt
