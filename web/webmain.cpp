// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's entry points, called by the page's script: the start-up,
// and the handling of the events the page has queued.
#include "keyboardjson.h"
#include "webplatform.h"

#include "canvas/tools.h"
#include "core/languages.h"
#include "core/state.h"
#include "core/texts.h"
#include "entry/spoken.h"
#include "entry/timerwaits.h"
#include "files/loadsave.h"
#include "files/names.h"
#include "files/programfile.h"
#include "run/keypadkeys.h"
#include "windows/controltable.h"
#include "windows/relayout.h"
#include "windows/startup.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace jex::web {
namespace {

struct Simulator {
    Simulator();
    void handle(const PageEvent& event);

    WebPlatform platform;
    JexState state;
    bool resized = false;
};

Simulator::Simulator()
    : platform([this](const PageEvent& event) { handle(event); }), state(platform) {
    platform.attach(state);
}

// Where the page puts the language table it fetched.
constexpr std::string_view languagefolder = "/languages";

// A browser names a language "de-AT" where a desktop says "de_AT".
std::string desktopcode(std::string_view code) {
    std::string desktop(code);
    std::replace(desktop.begin(), desktop.end(), '-', '_');
    return desktop;
}

void Simulator::handle(const PageEvent& event) {
    switch (event.kind) {
    case EventKind::key:
        if (event.number >= 0 && event.number < keycount)
            keypad_Click(state, static_cast<Key>(static_cast<int>(event.number)));
        break;
    case EventKind::button:
        // The page names each button by its window and control.
        if (const ControlEntry* control = findcontrol(event.text); control && control->click)
            control->click(state);
        break;
    case EventKind::namechange:
        if (event.number >= 0 && event.number <= static_cast<int>(NameBox::pf2))
            namebox_Change(state, static_cast<NameBox>(static_cast<int>(event.number)), event.text);
        break;
    case EventKind::namelost:
        namebox_LostFocus(state);
        break;
    case EventKind::slider:
        Slider1_Change(state, static_cast<int>(event.number));
        break;
    case EventKind::tick:
        Timer1_Timer(state);
        break;
    case EventKind::resize:
        platform.setscreen(static_cast<int>(event.number), static_cast<int>(event.number2));
        resized = true;
        break;
    case EventKind::listing:
        if (event.number < 0)
            listing_GotFocus(state);
        else if (event.number <= static_cast<int>(ListingMove::last))
            readlisting(state, static_cast<ListingMove>(static_cast<int>(event.number)));
        break;
    case EventKind::none:
        break;
    }
    // A run keeps its drawing units to its end; the new layout waits for it.
    if (resized && !state.running) {
        resized = false;
        relayout(state);
    }
}

std::unique_ptr<Simulator> simulator;

} // namespace
} // namespace jex::web

using jex::web::simulator;

extern "C" {

// The string table in the language in use, for the page's own texts.
EMSCRIPTEN_KEEPALIVE const char* jex_stringtable() {
    static std::string table;
    table.clear();
    for (const auto& [number, english] : jex::englishtable())
        table += std::to_string(number) + " \"" + jex::text(number) + "\"\n";
    return table.c_str();
}

// The names a browser's language code ("de-AT") may have a table under, most
// exact first, one a line: the page fetches the first the site has into
// `languagefolder`.
EMSCRIPTEN_KEEPALIVE const char* jex_tablenames(const char* code) {
    static std::string names;
    names.clear();
    for (const std::string& name : jex::tablenames(jex::web::desktopcode(code)))
        names += name + '\n';
    return names.c_str();
}

// Chooses the language from the browser's codes, most wanted first, one a
// line, as the desktop chooses from its locale. Answers the table in use,
// empty for English.
EMSCRIPTEN_KEEPALIVE const char* jex_chooselanguage(const char* wanted) {
    static std::string chosen;
    std::vector<std::string> codes;
    std::string_view list = wanted;
    while (!list.empty()) {
        const auto end = list.find('\n');
        if (end != 0) codes.push_back(jex::web::desktopcode(list.substr(0, end)));
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
    chosen = jex::chooselanguage(codes, {jex::web::languagefolder}).value_or(std::string());
    return chosen.c_str();
}

// The keyboard's keys for the keypad and the keys' tool tips, from the rules'
// table, in the program's language.
EMSCRIPTEN_KEEPALIVE const char* jex_keyboard() {
    static std::string table;
    table = jex::web::keyboardjson();
    return table.c_str();
}

// Every window's controls and their kinds, for the page to build them from.
EMSCRIPTEN_KEEPALIVE const char* jex_controltable() {
    static const std::string table(jex::controltablejson());
    return table.c_str();
}

// The start-up for a page of that size; given a file, it is then opened as
// the load button would.
EMSCRIPTEN_KEEPALIVE void jex_start(int width, int height, const char* programfile) {
    // This C library starts with a mask that takes every permission away,
    // so a program the rules save could not be read back. A desktop
    // session's usual mask gives the owner reading and writing.
    constexpr mode_t usualmask = 022;
    umask(usualmask);
    simulator = std::make_unique<jex::web::Simulator>();
    simulator->platform.setscreen(width, height);
    jex::program_Load(simulator->state);
    if (programfile && *programfile) jex::openprogram(simulator->state, programfile);
    simulator->platform.handlepending();
}

// The largest program file the rules read: the page refuses a larger one
// without reading it.
EMSCRIPTEN_KEEPALIVE int jex_largestprogramfile() {
    return static_cast<int>(jex::largestprogramfile);
}

// Handles what the page has queued since.
EMSCRIPTEN_KEEPALIVE void jex_dispatch() {
    if (simulator) simulator->platform.handlepending();
}
}
