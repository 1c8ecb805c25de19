// SPDX-License-Identifier: GPL-3.0-or-later
// Each call goes to the page's script, `Module.page` (site/startup.js). Texts
// cross as UTF-8; a text coming back is allocated here and freed at once.
#include "pagebridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// clang-format off
EM_JS(int, js_nextevent, (), { return Module.page.nextevent(); });
EM_JS(double, js_eventnumber, (int which), { return Module.page.eventnumber(which); });
EM_JS(char*, js_eventtext, (), { return Module.page.newstring(Module.page.eventtext()); });
EM_ASYNC_JS(void, js_waitforevent, (), { await Module.page.waitforevent(); });
EM_ASYNC_JS(void, js_yield, (), { await Module.page.yieldtopage(); });
EM_JS(void, js_showmodel, (const char* json), { Module.page.showmodel(UTF8ToString(json)); });
EM_JS(void, js_drawpen, (const void* pixels, int width, int height, int left, int top, int across,
                        int down, int wipe), {
    Module.page.drawpen(HEAPU8.subarray(pixels, pixels + 4 * width * height), width, height,
                        [left, top, across, down], wipe !== 0);
});
EM_JS(double, js_pixelratio, (), { return window.devicePixelRatio || 1; });
EM_ASYNC_JS(void, js_playsound, (const char* name), { await Module.page.playsound(UTF8ToString(name)); });
EM_ASYNC_JS(int, js_loadpicture, (const char* path), {
    return (await Module.page.loadpicture(UTF8ToString(path))) ? 1 : 0;
});
EM_JS(void, js_usebuiltinpicture, (), { Module.page.usebuiltinpicture(); });
EM_JS(double, js_textwidth, (double points, int bold, const char* text), {
    return Module.page.textwidth(points, bold, UTF8ToString(text));
});
EM_JS(double, js_lineheight, (double points), { return Module.page.lineheight(points); });
EM_JS(double, js_milliseconds, (), { return performance.now(); });
EM_JS(double, js_timeofday, (), {
    const now = new Date();
    return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
});
EM_JS(int, js_today, (), {
    const now = new Date();
    return now.getFullYear() * 10000 + (now.getMonth() + 1) * 100 + now.getDate();
});
EM_ASYNC_JS(char*, js_askfile, (int saving, const char* title, const char* folder, const char* name), {
    const chosen = await Module.page.askfile(saving !== 0, UTF8ToString(title), UTF8ToString(folder),
                                             UTF8ToString(name));
    return chosen === null ? 0 : Module.page.newstring(chosen);
});
EM_ASYNC_JS(int, js_askyesno, (const char* title, const char* question), {
    return (await Module.page.askyesno(UTF8ToString(title), UTF8ToString(question))) ? 1 : 0;
});
EM_ASYNC_JS(int, js_printpages, (const char* pages, const char* title), {
    return (await Module.page.printpages(UTF8ToString(pages), UTF8ToString(title))) ? 1 : 0;
});
EM_JS(void, js_filesaved, (const char* path), { Module.page.filesaved(UTF8ToString(path)); });
EM_JS(void, js_endprogram, (), { Module.page.endprogram(); });
EM_JS(void, js_speak, (const char* phrase), {
    if (Module.page.speak) Module.page.speak(UTF8ToString(phrase));
});
// clang-format on

namespace jex::web {
namespace {

std::optional<std::string> taken(char* text) {
    if (!text) return std::nullopt;
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return std::string(owned.get());
}

} // namespace

PageEvent nextevent() {
    PageEvent event;
    event.kind = static_cast<EventKind>(js_nextevent());
    if (event.kind == EventKind::none) return event;
    event.number = js_eventnumber(0);
    event.number2 = js_eventnumber(1);
    event.text = taken(js_eventtext()).value_or(std::string());
    return event;
}

void waitforevent() {
    js_waitforevent();
}
void yieldtopage() {
    js_yield();
}
void showmodel(const std::string& json) {
    js_showmodel(json.c_str());
}
void drawpen(const PenLayer& layer, const PenLayer::Area& changed, bool wipe) {
    js_drawpen(layer.pixels(), layer.width(), layer.height(), changed.left, changed.top,
               changed.width, changed.height, wipe ? 1 : 0);
}
double pixelratio() {
    return js_pixelratio();
}
void playsound(const std::string& name) {
    js_playsound(name.c_str());
}
bool loadpicture(const std::string& path) {
    return js_loadpicture(path.c_str()) != 0;
}
void usebuiltinpicture() {
    js_usebuiltinpicture();
}
double textwidth(double points, bool bold, const std::string& text) {
    return js_textwidth(points, bold ? 1 : 0, text.c_str());
}
double lineheight(double points) {
    return js_lineheight(points);
}
double milliseconds() {
    return js_milliseconds();
}
double timeofday() {
    return js_timeofday();
}
int today() {
    return js_today();
}

std::optional<std::string> asksavefile(const std::string& title, const std::string& folder,
                                       const std::string& filename) {
    return taken(js_askfile(1, title.c_str(), folder.c_str(), filename.c_str()));
}

std::optional<std::string> askopenfile(const std::string& title, const std::string& folder,
                                       const std::string& filename) {
    return taken(js_askfile(0, title.c_str(), folder.c_str(), filename.c_str()));
}

bool askyesno(const std::string& title, const std::string& question) {
    return js_askyesno(title.c_str(), question.c_str()) != 0;
}

bool printpages(const std::string& pages, const std::string& title) {
    return js_printpages(pages.c_str(), title.c_str()) != 0;
}
void filesaved(const std::string& path) {
    js_filesaved(path.c_str());
}
void endprogram() {
    js_endprogram();
}

void speak(const std::string& phrase) {
    js_speak(phrase.c_str());
}

} // namespace jex::web
