// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the web edition, as the C++ side calls it (pagebridge.cpp
// forwards each call to the page's script). The calls marked "waits" hand the
// browser back its event loop until they are answered.
#pragma once

#include "penlayer.h"

#include <optional>
#include <string>

namespace jex::web {

// What the page sends: one event at a time, taken out of its queue.
enum class EventKind {
    none = 0,
    key = 1,        // number: the key's index, 0..23
    button = 2,     // text: the control's name
    namechange = 3, // number: the box, text: what the box now holds
    namelost = 4,
    slider = 5, // number: the new value
    tick = 6,
    resize = 7, // number: width, number2: height, in pixels
    listing = 8, // number: the listing got the keyboard (-1), or a ListingMove to read by
};

struct PageEvent {
    EventKind kind = EventKind::none;
    double number = 0;
    double number2 = 0;
    std::string text;
};

PageEvent nextevent();
void waitforevent(); // waits
void yieldtopage();  // waits until the page has had a turn

void showmodel(const std::string& json);
// The pen's picture, of which `changed` is new; with `wipe`, the background
// picture is painted afresh under it first.
void drawpen(const PenLayer& layer, const PenLayer::Area& changed, bool wipe);
// The screen's pixels to each pixel of the page.
double pixelratio();

void playsound(const std::string& name);   // waits
bool loadpicture(const std::string& path); // waits
void usebuiltinpicture();

double textwidth(double points, bool bold, const std::string& text);
double lineheight(double points);
double milliseconds();
double timeofday();
int today(); // year * 10000 + month * 100 + day

std::optional<std::string> asksavefile(const std::string& title, const std::string& folder,
                                       const std::string& filename); // waits
std::optional<std::string> askopenfile(const std::string& title, const std::string& folder,
                                       const std::string& filename);  // waits
bool askyesno(const std::string& title, const std::string& question); // waits

// The print view: pages of SVG, then the browser's print dialog. False when
// the page has no way to print.
// Shows the pages and opens the browser's print dialog, the document titled
// as the job; waits.
bool printpages(const std::string& pages, const std::string& title);

// After a save: writes the browser's files to its storage, and hands a file
// saved for download to the browser.
void filesaved(const std::string& path);

// A phrase for the page's screen reader, spoken after the messages shown
// before it; a page that cannot speak it lets it pass.
void speak(const std::string& phrase);

void endprogram();

} // namespace jex::web
