// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the windows but the keypad's keys: its window, its name,
// what kind of control it is, the routine a click on it runs and the caption
// it starts with. Both editions build their controls from this one list and
// send each click to the routine it names; the web page is handed it as data.
#pragma once

#include "core/controls.h"

#include <span>
#include <string>
#include <string_view>

namespace jex {

struct JexState;

enum class ControlKind { label, button, textbox, slider, listing, canvas };

using ClickRoutine = void (*)(JexState&);

struct ControlEntry {
    std::string_view window;  // as the web page names it: funnies, program, graphics, exitwindow
    std::string_view name;    // the control's own name, as its widget is called
    ControlKind kind;
    Control& (*control)(Windows&);
    ClickRoutine click;  // none for a control a click does nothing on
    int caption;         // the text it is given at start-up, or notext
};

// The caption of a control whose text the program sets as it goes.
inline constexpr int notext = -1;

// In each window's order, which is the order its controls are built in.
std::span<const ControlEntry> controltable();

// The entry of a control, by its window and name ("funnies.penon" names the
// same one); none for a name the table does not hold.
const ControlEntry* findcontrol(std::string_view window, std::string_view name);
const ControlEntry* findcontrol(std::string_view windowdotname);
// The entry of one of the model's own controls; none for a key.
const ControlEntry* findcontrol(const Windows& windows, const Control& control);

// The entry's control in a model that is only read.
inline const Control& controlin(const ControlEntry& entry, const Windows& windows) {
    return entry.control(const_cast<Windows&>(windows));
}

std::string_view kindname(ControlKind kind);

// The table as the web page reads it: {"window":{"name":"kind",...},...},
// the keypad's keys with the kind "key".
std::string controltablejson();

} // namespace jex
