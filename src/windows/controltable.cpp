// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/controltable.h"

#include "canvas/target.h"
#include "canvas/tools.h"
#include "entry/keys.h"
#include "files/exit.h"
#include "files/programbuttons.h"
#include "printing/printbutton.h"

#include <algorithm>
#include <array>

namespace jex {
namespace {

#define JEX_CONTROL(window, member) [](Windows& w) -> Control& { return w.window.member; }

using K = ControlKind;

constexpr std::array entries = {
    ControlEntry{"funnies", "xheading", K::label, JEX_CONTROL(funnies, xheading), nullptr},
    ControlEntry{"funnies", "JEXX", K::label, JEX_CONTROL(funnies, JEXX), nullptr},
    ControlEntry{"funnies", "yheading", K::label, JEX_CONTROL(funnies, yheading), nullptr},
    ControlEntry{"funnies", "JEXY", K::label, JEX_CONTROL(funnies, JEXY), nullptr},
    ControlEntry{"funnies", "angleheading", K::label, JEX_CONTROL(funnies, angleheading), nullptr},
    ControlEntry{"funnies", "JEXangle", K::label, JEX_CONTROL(funnies, JEXangle), nullptr},
    ControlEntry{"funnies", "speed", K::label, JEX_CONTROL(funnies, speed), nullptr},
    ControlEntry{"funnies", "Slider1", K::slider, JEX_CONTROL(funnies, Slider1), nullptr},
    ControlEntry{"funnies", "penlabel", K::label, JEX_CONTROL(funnies, penlabel), nullptr},
    ControlEntry{"funnies", "penon", K::button, JEX_CONTROL(funnies, penon), penon_Click},
    ControlEntry{"funnies", "penoff", K::button, JEX_CONTROL(funnies, penoff), penoff_Click},
    ControlEntry{"funnies", "target", K::button, JEX_CONTROL(funnies, target), target_Click},
    ControlEntry{"funnies", "clear", K::button, JEX_CONTROL(funnies, clear), clear_Click},
    ControlEntry{"funnies", "centre", K::button, JEX_CONTROL(funnies, centre), centre_Click},
    ControlEntry{"program", "exitbutton", K::button, JEX_CONTROL(program, exitbutton),
                 exitbutton_Click},
    ControlEntry{"program", "nameheader", K::label, JEX_CONTROL(program, nameheader), nullptr},
    ControlEntry{"program", "programtext", K::listing, JEX_CONTROL(program, programtext), nullptr},
    ControlEntry{"graphics", "pname", K::label, JEX_CONTROL(graphics, pname), nullptr},
    ControlEntry{"graphics", "mname", K::label, JEX_CONTROL(graphics, mname), nullptr},
    ControlEntry{"graphics", "progname", K::textbox, JEX_CONTROL(graphics, progname), nullptr},
    ControlEntry{"graphics", "myname", K::textbox, JEX_CONTROL(graphics, myname), nullptr},
    ControlEntry{"graphics", "Picture1", K::canvas, JEX_CONTROL(graphics, Picture1), nullptr},
    ControlEntry{"graphics", "warnings", K::label, JEX_CONTROL(graphics, warnings), nullptr},
    ControlEntry{"graphics", "load", K::button, JEX_CONTROL(graphics, load), load_Click},
    ControlEntry{"graphics", "printbutton", K::button, JEX_CONTROL(graphics, printbutton),
                 printbutton_Click},
    ControlEntry{"graphics", "save", K::button, JEX_CONTROL(graphics, save), save_Click},
    ControlEntry{"graphics", "pf1", K::textbox, JEX_CONTROL(graphics, pf1), nullptr},
    ControlEntry{"graphics", "pf2", K::textbox, JEX_CONTROL(graphics, pf2), nullptr},
    ControlEntry{"graphics", "change1", K::button, JEX_CONTROL(graphics, change1), change1_Click},
    ControlEntry{"graphics", "change2", K::button, JEX_CONTROL(graphics, change2), change2_Click},
    ControlEntry{"graphics", "use1", K::button, JEX_CONTROL(graphics, use1), use1_Click},
    ControlEntry{"graphics", "use2", K::button, JEX_CONTROL(graphics, use2), use2_Click},
    ControlEntry{"graphics", "target", K::button, JEX_CONTROL(graphics, target),
                 graphicstarget_Click},
    ControlEntry{"exitwindow", "Label1", K::label, JEX_CONTROL(exitwindow, Label1), nullptr},
    ControlEntry{"exitwindow", "cancel", K::button, JEX_CONTROL(exitwindow, cancel), cancel_Click},
    ControlEntry{"exitwindow", "exitanyway", K::button, JEX_CONTROL(exitwindow, exitanyway),
                 exitanyway_Click},
};

#undef JEX_CONTROL

} // namespace

std::span<const ControlEntry> controltable() { return entries; }

const ControlEntry* findcontrol(std::string_view window, std::string_view name) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const ControlEntry& e) {
        return e.window == window && e.name == name;
    });
    return found == entries.end() ? nullptr : &*found;
}

const ControlEntry* findcontrol(std::string_view windowdotname) {
    const std::size_t dot = windowdotname.find('.');
    if (dot == std::string_view::npos) return nullptr;
    return findcontrol(windowdotname.substr(0, dot), windowdotname.substr(dot + 1));
}

const ControlEntry* findcontrol(const Windows& windows, const Control& control) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const ControlEntry& e) {
        return &controlin(e, windows) == &control;
    });
    return found == entries.end() ? nullptr : &*found;
}

std::string_view kindname(ControlKind kind) {
    switch (kind) {
    case ControlKind::label: return "label";
    case ControlKind::button: return "button";
    case ControlKind::textbox: return "textbox";
    case ControlKind::slider: return "slider";
    case ControlKind::listing: return "listing";
    case ControlKind::canvas: return "canvas";
    }
    return "label";
}

std::string controltablejson() {
    std::string json = "{\"buttons\":{";
    for (int index = 0; index < keycount; ++index) {
        if (index > 0) json += ",";
        json += "\"" + std::string(keyname(static_cast<Key>(index))) + "\":\"key\"";
    }
    std::string_view window;
    for (const ControlEntry& entry : entries) {
        if (entry.window != window) {
            json += "},\"" + std::string(entry.window) + "\":{";
            window = entry.window;
        } else {
            json += ",";
        }
        json += "\"" + std::string(entry.name) + "\":\"" + std::string(kindname(entry.kind)) + "\"";
    }
    return json + "}}";
}

} // namespace jex
