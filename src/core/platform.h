// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the rules need from the machine they run on. The Qt layer
// implements it for real; the tests fake it with a virtual clock.
#pragma once

#include "core/printjob.h"
#include "core/controls.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace jex {

// Decorations a window manager adds around each window, in screen pixels.
struct FrameMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

struct CalendarDate {
    int day = 1, month = 1, year = 2000;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// What the file dialog starts with. The filter is in the form "description
// |pattern|", as the string table holds it.
struct FileRequest {
    std::string title;
    std::string folder;
    std::string filename;
    std::string filter;
};

struct ScreenInfo {
    int widthpixels = 0;
    int heightpixels = 0;
    double twipsperpixelx = 15;
    double twipsperpixely = 15;
    FrameMargins frame;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows what the rules changed and lets pending window events through once.
    // With waitformore it first blocks until at least one event arrives (the
    // timer ticks every 100 ms, so the wait is short and uses no CPU).
    virtual void doevents(bool waitformore) = 0;

    // Plays one of the program's sounds by its lower-case name and returns when
    // it has finished. No window event is handled meanwhile. A sound that
    // cannot be played is simply not heard.
    virtual void playsound(std::string_view name) = 0;

    virtual ScreenInfo screen() = 0;

    // The background picture held by the hidden window.
    virtual bool loadbackgroundpicture(const std::string& path) = 0;
    virtual void usebuiltinpicture() = 0;

    // The drawing area: paint the background picture stretched over it, and
    // make what was drawn on it visible at once.
    virtual void paintbackground() = 0;
    virtual void refreshcanvas() = 0;
    // Draws a pen line into the drawing area's own picture, in its pixels, in
    // the drawing colour and width. It stays there until the next wipe.
    virtual void drawpenline(int x1, int y1, int x2, int y2) = 0;

    // Chance and the clock. random() draws uniformly from [0, 1) out of a
    // generator that seedrandom() starts afresh.
    virtual double timeofday() = 0;  // seconds since midnight
    virtual void seedrandom(double seed) = 0;
    virtual double random() = 0;
    virtual CalendarDate today() = 0;

    // Files and questions. Each asks the pupil and waits for the answer: the
    // chosen file's full path, or nothing when the dialog was cancelled. The
    // save dialog asks before it replaces a file.
    virtual std::optional<std::string> asksavefile(const FileRequest& request) = 0;
    virtual std::optional<std::string> askopenfile(const FileRequest& request) = 0;
    // A question with the buttons Yes (the default) and No; true for Yes.
    virtual bool askyesno(const std::string& title, const std::string& question) = 0;

    // The width in screen pixels of a text in a font of the windows.
    virtual double textwidth(const Font& font, std::string_view text) = 0;

    // A new document on the default printer, or none when there is no printer.
    virtual std::unique_ptr<PrintJob> startprintjob() = 0;
    // The same document written to a PDF file instead, on the page the
    // printer would use; none when no such document can be made.
    virtual std::unique_ptr<PrintJob> startpdfjob(const std::string& path) = 0;

    // The drawing area as it is shown (background, pen lines, target and
    // robot), at the screen's full pixel density: onto the clipboard, or into
    // a PNG file. False when the file could not be written.
    virtual void copypicture() = 0;
    virtual bool savepicture(const std::string& path) = 0;

    // Hands a phrase to the screen reader, to be spoken after the messages
    // the status line showed before it. What the windows show is untouched.
    virtual void speak(std::string_view phrase) = 0;

    // Ends the program at once; no further handler runs.
    virtual void endprogram() = 0;
};

} // namespace jex
