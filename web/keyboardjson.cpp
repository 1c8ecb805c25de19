// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardjson.h"

#include "modeljson.h"

#include "entry/keyboardtable.h"
#include "entry/keys.h"
#include "windows/screenreadernames.h"

#include <array>

#include <cctype>

namespace jex::web {
namespace {

// The browser calls both Return and the number pad's Enter "Enter".
std::string browserkey(const KeyboardKey& key) {
    switch (key.named) {
    case NamedKey::up: return "ArrowUp";
    case NamedKey::down: return "ArrowDown";
    case NamedKey::left: return "ArrowLeft";
    case NamedKey::right: return "ArrowRight";
    case NamedKey::returnkey:
    case NamedKey::enter: return "Enter";
    case NamedKey::del: return "Delete";
    case NamedKey::backspace: return "Backspace";
    case NamedKey::insert: return "Insert";
    case NamedKey::none: break;
    }
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(key.character))));
}

// The page's panels by the windows' place in the order shown.
constexpr std::array<const char*, 4> panels = {"buttons", "funnies", "program", "graphics"};

std::string controlname(ShownWindow window, const char* control) {
    return jsonstring(std::string(panels[static_cast<std::size_t>(window)]) + "." + control);
}

} // namespace

std::string keyboardjson() {
    std::string keys;
    for (const KeyboardKey& key : keyboardtable())
        keys += (keys.empty() ? "[" : ",[") + jsonstring(browserkey(key)) + "," +
                std::to_string(keyindex(key.keypad)) + "]";
    std::string tooltips;
    for (int index = 0; index < keycount; ++index)
        tooltips += (index == 0 ? "" : ",") + jsonstring(keytooltip(static_cast<Key>(index)));
    std::string names;
    for (const ScreenReaderName& name : screenreadernames) {
        names += (names.empty() ? "[" : ",[") + controlname(name.window, name.control) + "," +
                 jsonstring(saidname(name)) + "]";
    }
    return R"({"keys":[)" + keys + R"(],"tooltips":[)" + tooltips + R"(],"names":[)" + names + "]}";
}

} // namespace jex::web
