// SPDX-License-Identifier: GPL-3.0-or-later
#include "webplatform.h"

#include "canvas/tools.h"
#include "core/state.h"
#include "modeljson.h"
#include "webprintjob.h"
#include "windows/layout.h"

#include <cmath>

namespace jex::web {
namespace {

// While a run goes on without waiting, the page is shown at most once a
// frame, and gets its event loop back as often, so that it paints and takes
// clicks: a stop click reaches a run at full speed within a frame.
constexpr double frametime = 16; // milliseconds

} // namespace

WebPlatform::WebPlatform(std::function<void(const PageEvent&)> handle)
    : handle_(std::move(handle)) {}

void WebPlatform::setscreen(int width, int height) {
    screen_.widthpixels = width;
    screen_.heightpixels = height;
    // A CSS pixel is 1/96 inch.
    screen_.twipsperpixelx = 15;
    screen_.twipsperpixely = 15;
}

void WebPlatform::handle(const PageEvent& event) {
    if (ended_) return;
    handle_(event);
    // A save names its file before the rules write it; once the event is
    // over the file is complete and goes to the browser's storage.
    if (saving_) {
        const std::string path = *saving_;
        saving_.reset();
        filesaved(path);
    }
}

void WebPlatform::handlepending() {
    // A tick outside a wait changes nothing that shows: an idle page is
    // not redrawn ten times a second.
    bool shown = true;
    for (PageEvent event = nextevent(); event.kind != EventKind::none; event = nextevent()) {
        handle(event);
        if (event.kind != EventKind::tick) shown = false;
    }
    if (!shown || lastshown_ < 0) showchanges();
}

void WebPlatform::showchanges() {
    if (!jex_ || ended_) return;
    // The controls first: the drawing area has to have its size before the
    // background is stretched over it. The page paints both at once.
    showmodel(std::string("{\"saved\":") + (jex_->saved ? "true" : "false") +
              ",\"running\":" + (jex_->running ? "true" : "false") +
              ",\"pendown\":" + (pendown(*jex_) ? "true" : "false") +
              ",\"toosmall\":" + (layoutserves(*jex_) ? "false" : "true") +
              ",\"windows\":" + modeljson(jex_->windows, screen_) + "}");
    const PenLayer::Area changed = pen_.taken();
    if (wipe_ || changed.width > 0) {
        drawpen(pen_, changed, wipe_);
        wipe_ = false;
    }
    lastshown_ = milliseconds();
}

void WebPlatform::doevents(bool waitformore) {
    const double now = milliseconds();
    if (waitformore || lastshown_ < 0 || now - lastshown_ >= frametime) showchanges();
    if (waitformore) {
        waitforevent();
        lastyield_ = milliseconds();
    } else if (now - lastyield_ >= frametime) {
        yieldtopage();
        lastyield_ = milliseconds();
    }
    for (PageEvent event = nextevent(); event.kind != EventKind::none; event = nextevent())
        handle(event);
}

void WebPlatform::playsound(std::string_view name) {
    // The sound holds up the whole program, so what it goes with has to be
    // on the page before it starts.
    showchanges();
    web::playsound(std::string(name));
    lastyield_ = milliseconds();
}

ScreenInfo WebPlatform::screen() {
    return screen_;
}

bool WebPlatform::loadbackgroundpicture(const std::string& path) {
    return loadpicture(path);
}

void WebPlatform::usebuiltinpicture() {
    web::usebuiltinpicture();
}

void WebPlatform::paintbackground() {
    // The page's canvases are sized as the rules size the drawing area.
    density_ = pixelratio();
    const Control& area = jex_ ? jex_->windows.graphics.Picture1 : Control{};
    pen_.reset(static_cast<int>(std::lround(area.width * density_)),
               static_cast<int>(std::lround(area.height * density_)));
    wipe_ = true;
}

void WebPlatform::refreshcanvas() {
    showchanges();
}

void WebPlatform::drawpenline(int x1, int y1, int x2, int y2) {
    if (!jex_) return;
    pen_.draw(x1, y1, x2, y2, density_, jex_->windows.graphics.Picture1.foreground);
}

double WebPlatform::timeofday() {
    return web::timeofday();
}

void WebPlatform::seedrandom(double seed) { chance_.seed(seed); }

double WebPlatform::random() { return chance_.draw(); }

CalendarDate WebPlatform::today() {
    const int date = web::today();
    return {date % 100, date / 100 % 100, date / 10000};
}

std::optional<std::string> WebPlatform::asksavefile(const FileRequest& request) {
    showchanges();
    saving_ = web::asksavefile(request.title, request.folder, request.filename);
    return saving_;
}

std::optional<std::string> WebPlatform::askopenfile(const FileRequest& request) {
    showchanges();
    return web::askopenfile(request.title, request.folder, request.filename);
}

bool WebPlatform::askyesno(const std::string& title, const std::string& question) {
    showchanges();
    return web::askyesno(title, question);
}

double WebPlatform::textwidth(const Font& font, std::string_view text) {
    return web::textwidth(font.points, font.bold, std::string(text));
}

std::unique_ptr<PrintJob> WebPlatform::startprintjob() {
    return std::make_unique<WebPrintJob>();
}

std::unique_ptr<PrintJob> WebPlatform::startpdfjob(const std::string&) {
    return nullptr;
}

void WebPlatform::copypicture() {}

bool WebPlatform::savepicture(const std::string&) {
    return false;
}

void WebPlatform::speak(std::string_view phrase) {
    // After the status line the rules changed before it.
    showchanges();
    web::speak(std::string(phrase));
}

void WebPlatform::endprogram() {
    ended_ = true;
    web::endprogram();
}

} // namespace jex::web
