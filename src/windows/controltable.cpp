// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/controltable.h"

#include "canvas/target.h"
#include "canvas/tools.h"
#include "core/textids.h"
#include "entry/keys.h"
#include "files/exit.h"
#include "files/programbuttons.h"
#include "printing/printbutton.h"

#include <algorithm>
#include <array>

namespace jex {
namespace {

// Each control named once: the window and member it is in the model give its
// names in the table.
// clang-format off
#define JEX_CONTROL(window, member, kind, click, caption)                                          \
    ControlEntry{#window, #member, ControlKind::kind,                                              \
                 [](Windows& w) -> Control& { return w.window.member; }, click, caption}
// clang-format on

constexpr std::array entries = {
    JEX_CONTROL(funnies, xheading, label, nullptr, textid::xvalue),
    JEX_CONTROL(funnies, JEXX, label, nullptr, notext),
    JEX_CONTROL(funnies, yheading, label, nullptr, textid::yvalue),
    JEX_CONTROL(funnies, JEXY, label, nullptr, notext),
    JEX_CONTROL(funnies, angleheading, label, nullptr, textid::heading),
    JEX_CONTROL(funnies, JEXangle, label, nullptr, notext),
    JEX_CONTROL(funnies, speed, label, nullptr, textid::speed),
    JEX_CONTROL(funnies, Slider1, slider, nullptr, notext),
    JEX_CONTROL(funnies, penlabel, label, nullptr, textid::pen),
    JEX_CONTROL(funnies, penon, button, penon_Click, textid::on),
    JEX_CONTROL(funnies, penoff, button, penoff_Click, textid::off),
    JEX_CONTROL(funnies, target, button, target_Click, textid::target),
    JEX_CONTROL(funnies, clear, button, clear_Click, textid::clear),
    JEX_CONTROL(funnies, centre, button, centre_Click, textid::centre),
    JEX_CONTROL(program, exitbutton, button, exitbutton_Click, notext),
    JEX_CONTROL(program, nameheader, label, nullptr, notext),
    JEX_CONTROL(program, programtext, listing, nullptr, notext),
    JEX_CONTROL(graphics, pname, label, nullptr, textid::programname),
    JEX_CONTROL(graphics, mname, label, nullptr, textid::myname),
    JEX_CONTROL(graphics, progname, textbox, nullptr, textid::myprogram),
    JEX_CONTROL(graphics, myname, textbox, nullptr, textid::me),
    JEX_CONTROL(graphics, Picture1, canvas, nullptr, notext),
    JEX_CONTROL(graphics, warnings, label, nullptr, notext),
    JEX_CONTROL(graphics, load, button, load_Click, textid::load),
    JEX_CONTROL(graphics, printbutton, button, printbutton_Click, textid::print),
    JEX_CONTROL(graphics, save, button, save_Click, textid::save),
    JEX_CONTROL(graphics, pf1, textbox, nullptr, notext),
    JEX_CONTROL(graphics, pf2, textbox, nullptr, notext),
    JEX_CONTROL(graphics, change1, button, change1_Click, textid::change),
    JEX_CONTROL(graphics, change2, button, change2_Click, textid::change),
    JEX_CONTROL(graphics, use1, button, use1_Click, textid::use),
    JEX_CONTROL(graphics, use2, button, use2_Click, textid::use),
    JEX_CONTROL(graphics, target, button, graphicstarget_Click, notext),
    JEX_CONTROL(exitwindow, Label1, label, nullptr, notext),
    JEX_CONTROL(exitwindow, cancel, button, cancel_Click, notext),
    JEX_CONTROL(exitwindow, exitanyway, button, exitanyway_Click, notext),
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
