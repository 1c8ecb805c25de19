// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/keyboardtable.h"

#include "core/textids.h"
#include "core/texts.h"
#include "entry/keys.h"
#include "entry/spoken.h"

#include <algorithm>
#include <array>
#include <vector>

namespace jex {
namespace {

// The four moves are on the arrows and on the letters teachers write on the
// board ("F 50 L 90"); the other words take a letter that does not clash with
// them: their own initial where it is free, else a letter they are known by
// (X for "times", H from "flash", M for the memory RM brings back). The keys
// that rub out and restore are also the keyboard's own editing keys; Insert
// is a screen reader's own key while one runs, so RM has M as well. The
// letters stay the same whatever the program's language, so a printed key
// card stays right.
constexpr auto table = std::to_array<KeyboardKey>({
    {'0', NamedKey::none, Key::zero},
    {'1', NamedKey::none, Key::one},
    {'2', NamedKey::none, Key::two},
    {'3', NamedKey::none, Key::three},
    {'4', NamedKey::none, Key::four},
    {'5', NamedKey::none, Key::five},
    {'6', NamedKey::none, Key::six},
    {'7', NamedKey::none, Key::seven},
    {'8', NamedKey::none, Key::eight},
    {'9', NamedKey::none, Key::nine},
    {0, NamedKey::up, Key::forwards},
    {'F', NamedKey::none, Key::forwards},
    {0, NamedKey::down, Key::backwards},
    {'B', NamedKey::none, Key::backwards},
    {0, NamedKey::left, Key::leftbutton},
    {'L', NamedKey::none, Key::leftbutton},
    {0, NamedKey::right, Key::rightbutton},
    {'R', NamedKey::none, Key::rightbutton},
    {'X', NamedKey::none, Key::repeat},
    {'E', NamedKey::none, Key::endbutton},
    {'H', NamedKey::none, Key::flash},
    {'N', NamedKey::none, Key::note},
    {'P', NamedKey::none, Key::pause},
    {'T', NamedKey::none, Key::test},
    {'G', NamedKey::none, Key::go},
    {0, NamedKey::returnkey, Key::go},
    {0, NamedKey::enter, Key::go},
    {0, NamedKey::del, Key::cm},
    {0, NamedKey::backspace, Key::ce},
    {0, NamedKey::insert, Key::rm},
    {'M', NamedKey::none, Key::rm},
});

} // namespace

std::span<const KeyboardKey> keyboardtable() {
    return table;
}

int keyboardkeytext(NamedKey named) {
    switch (named) {
    case NamedKey::up: return textid::upkeyname;
    case NamedKey::down: return textid::downkeyname;
    case NamedKey::left: return textid::leftkeyname;
    case NamedKey::right: return textid::rightkeyname;
    case NamedKey::returnkey: return textid::returnkeyname;
    case NamedKey::enter: return textid::enterkeyname;
    case NamedKey::del: return textid::deletekeyname;
    case NamedKey::backspace: return textid::backspacekeyname;
    case NamedKey::insert: return textid::insertkeyname;
    case NamedKey::none: break;
    }
    return 0;
}

std::string keyboardkeyname(const KeyboardKey& key) {
    return key.named == NamedKey::none ? std::string(1, key.character)
                                       : text(keyboardkeytext(key.named));
}

std::string keypadkeyname(Key keypad) {
    return text(textid::firstkeypadname + keyindex(keypad));
}

std::string keyboardkeysname(Key keypad) {
    std::vector<std::string> names;
    for (const KeyboardKey& key : table) {
        if (key.keypad != keypad) continue;
        std::string name = keyboardkeyname(key);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : text(textid::keyboardkeyor)) + name;
    return joined;
}

std::string keytooltip(Key keypad) {
    std::string tip = text(textid::keytooltip);
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"%1", keypadkeyname(keypad)},
                                      {"%2", keyboardkeysname(keypad)}})
        if (const auto at = tip.find(mark); at != std::string::npos)
            tip.replace(at, mark.size(), value);
    return tip;
}

std::string keyboardhelp() {
    std::string help = text(textid::keyboardkeys) + "\n  " + text(textid::digitkeys) + '\n';
    // In the order of the table: the moves first, the rarer keys last.
    std::vector<Key> listed;
    for (const KeyboardKey& key : table) {
        if (keydigit(key.keypad) >= 0 ||
            std::find(listed.begin(), listed.end(), key.keypad) != listed.end())
            continue;
        listed.push_back(key.keypad);
        help += "  " + keytooltip(key.keypad) + '\n';
    }
    help += "  " + filltext(textid::keytooltip, {text(textid::whereamidoes),
                                                   std::string(1, whereamikey)}) + '\n';
    help += '\n';
    for (int line : {textid::tabkeys, textid::windowkeys, textid::listingkeys, textid::sliderkeys,
                     textid::nameboxkeys})
        help += text(line) + '\n';
    return help;
}

} // namespace jex
