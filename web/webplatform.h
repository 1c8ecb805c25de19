// SPDX-License-Identifier: GPL-3.0-or-later
// The machine the rules run on, as a browser page provides it. The rules run
// inside the page's event handlers; where they wait (the timer's ticks, a
// sound, a dialog) the page gets its event loop back until the wait is over,
// and the events that arrived meanwhile are handled inside the wait, as a
// desktop's event loop would.
#pragma once

#include "core/chance.h"
#include "core/platform.h"
#include "pagebridge.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace jex {
struct JexState;
}

namespace jex::web {

class WebPlatform final : public Platform {
  public:
    // `handle` runs the rules for one event of the page.
    explicit WebPlatform(std::function<void(const PageEvent&)> handle);

    void attach(JexState& jex) { jex_ = &jex; }
    void setscreen(int width, int height);

    // Handles every event the page has queued, then shows the model.
    void handlepending();
    // Shows what the rules changed: the controls, then the new pen lines.
    void showchanges();

    void doevents(bool waitformore) override;
    void playsound(std::string_view name) override;
    ScreenInfo screen() override;
    bool loadbackgroundpicture(const std::string& path) override;
    void usebuiltinpicture() override;
    void paintbackground() override;
    void refreshcanvas() override;
    void drawpenline(int x1, int y1, int x2, int y2) override;
    double timeofday() override;
    void seedrandom(double seed) override;
    double random() override;
    CalendarDate today() override;
    std::optional<std::string> asksavefile(const FileRequest& request) override;
    std::optional<std::string> askopenfile(const FileRequest& request) override;
    bool askyesno(const std::string& title, const std::string& question) override;
    double textwidth(const Font& font, std::string_view text) override;
    std::unique_ptr<PrintJob> startprintjob() override;
    // The page has no PDF writer of its own and no clipboard or file to put
    // a picture in: the browser prints to PDF, and a picture is saved from
    // the drawing with the browser's own menu.
    std::unique_ptr<PrintJob> startpdfjob(const std::string& path) override;
    void copypicture() override;
    bool savepicture(const std::string& path) override;
    void speak(std::string_view phrase) override;
    void endprogram() override;

  private:
    void handle(const PageEvent& event);

    std::function<void(const PageEvent&)> handle_;
    JexState* jex_ = nullptr;
    ScreenInfo screen_;
    PenLayer pen_;
    double density_ = 1;
    bool wipe_ = false;
    double lastshown_ = -1; // milliseconds
    double lastyield_ = 0;  // milliseconds
    std::optional<std::string> saving_;
    Chance chance_;
    bool ended_ = false;
};

} // namespace jex::web
