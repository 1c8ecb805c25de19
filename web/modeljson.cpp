// SPDX-License-Identifier: GPL-3.0-or-later
#include "modeljson.h"

#include "core/numbers.h"
#include "entry/keys.h"
#include "windows/controltable.h"

#include <cstdio>
#include <utility>

namespace jex::web {
namespace {

// How many model units make one pixel: windows, the tools and the listing
// are placed in twips, the keypad's and the drawing window's controls in
// pixels.
struct Scale {
    double x = 1, y = 1;
};

std::string colour(const Colour& c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buffer;
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

// Both edges are rounded, so that neighbours that touch in the model touch
// on the page too.
std::string box(int left, int top, int width, int height, Scale scale) {
    const int x1 = roundhalfeven(left / scale.x);
    const int y1 = roundhalfeven(top / scale.y);
    const int x2 = roundhalfeven((left + width) / scale.x);
    const int y2 = roundhalfeven((top + height) / scale.y);
    return std::to_string(x1) + "," + std::to_string(y1) + "," +
           std::to_string(std::max(x2 - x1, 0)) + "," + std::to_string(std::max(y2 - y1, 0));
}

std::string control(const Control& c, Scale scale) {
    return "[" + box(c.left, c.top, c.width, c.height, scale) + "," + jsonstring(c.caption) +
           ",\"" + colour(c.background) + "\",\"" + colour(c.foreground) + "\"," +
           number(c.font.points) + "," + (c.font.bold ? "true" : "false") + "," +
           (c.visible ? "true" : "false") + "," + std::to_string(c.bitmap) + "]";
}

std::string line(const LineControl& l) {
    return "[" + std::to_string(l.x1) + "," + std::to_string(l.y1) + "," + std::to_string(l.x2) +
           "," + std::to_string(l.y2) + "," + std::to_string(l.thickness) + ",\"" +
           colour(l.colour) + "\"," + (l.visible ? "true" : "false") + "]";
}

using Named = std::pair<std::string_view, const Control*>;

// A window's controls, in the order of the rules' table.
std::vector<Named> tablecontrols(const Windows& windows, std::string_view window) {
    std::vector<Named> named;
    for (const ControlEntry& entry : controltable())
        if (entry.window == window) named.emplace_back(entry.name, &controlin(entry, windows));
    return named;
}

std::string window(const Window& w, const std::vector<Named>& controls, Scale inside,
                   const ScreenInfo& screen, const std::string& extra = {}) {
    std::string json =
        "{\"box\":[" +
        box(w.left, w.top, w.width, w.height, {screen.twipsperpixelx, screen.twipsperpixely}) +
        "],\"shown\":" + (w.shown ? "true" : "false") + ",\"background\":\"" +
        colour(w.background) + "\",\"points\":" + number(w.font.points) +
        ",\"title\":" + std::to_string(w.titletext) + ",\"controls\":{";
    bool first = true;
    for (const auto& [name, c] : controls) {
        if (!first) json += ",";
        first = false;
        json += "\"" + std::string(name) + "\":" + control(*c, inside);
    }
    return json + "}" + extra + "}";
}

} // namespace

std::string jsonstring(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string modeljson(const Windows& windows, const ScreenInfo& screen) {
    const Scale pixels;
    const Scale twips{screen.twipsperpixelx, screen.twipsperpixely};

    std::vector<Named> keys;
    for (int index = 0; index < keycount; ++index) {
        const Key key = static_cast<Key>(index);
        keys.emplace_back(keyname(key), &windows.buttons.key(key));
    }

    const FunniesWindow& f = windows.funnies;
    const std::string slider = ",\"slider\":[" + std::to_string(f.Slider1.value) + "," +
                               std::to_string(f.Slider1.minimum) + "," +
                               std::to_string(f.Slider1.maximum) + "," +
                               std::to_string(f.Slider1.largechange) + "]";

    const ProgramWindow& p = windows.program;
    std::string lines = ",\"lines\":[";
    for (std::size_t i = 0; i < p.programtext.lines.size(); ++i) {
        if (i > 0) lines += ",";
        lines += "[" + jsonstring(p.programtext.lines[i].plain) + "," +
                 jsonstring(p.programtext.lines[i].emphasised) + "]";
    }
    lines += "]";

    const GraphicsWindow& g = windows.graphics;
    std::string sprite = ",\"sprite\":[";
    bool first = true;
    for (const LineControl* l : {&g.leftside, &g.rightside, &g.topside, &g.bottomside, &g.keys1,
                                 &g.keys2, &g.keys3, &g.keys4}) {
        if (!first) sprite += ",";
        first = false;
        sprite += line(*l);
    }
    sprite += "]";

    return "{\"buttons\":" + window(windows.buttons, keys, pixels, screen) + ",\"funnies\":" +
           window(f, tablecontrols(windows, "funnies"), twips, screen, slider) + ",\"program\":" +
           window(p, tablecontrols(windows, "program"), twips, screen, lines) + ",\"graphics\":" +
           window(g, tablecontrols(windows, "graphics"), pixels, screen, sprite) +
           ",\"exitwindow\":" +
           window(windows.exitwindow, tablecontrols(windows, "exitwindow"), twips, screen) + "}";
}

} // namespace jex::web
