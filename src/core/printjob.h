// SPDX-License-Identifier: GPL-3.0-or-later
// One document on the printer, as the printing rules drive it. Every
// operation reports whether the printer took it; after a refusal the caller
// draws nothing more and abandons the job.
#pragma once

#include "core/types.h"

#include <optional>
#include <string_view>

namespace jex {

// The printable area of the page in twips (1/1440 inch), and the printer's
// dots per inch along x. The resolution is kept as printers state it, a
// whole number, rather than as twips per dot (2.4 at 600 dots an inch),
// which no binary fraction holds exactly.
struct PageSize {
    double widthtwips = 0;
    double heighttwips = 0;
    double dotsperinch = 1440;
};

enum class LineEnd { stay, next };

class PrintJob {
  public:
    virtual ~PrintJob() = default;

    virtual std::optional<PageSize> pagesize() = 0;

    // What the job is called in the printer's queue.
    virtual bool settitle(std::string_view title) = 0;

    // Page units from here on: the printable area is `width` units across and
    // `height` units down, origin at its top-left corner, y downwards.
    virtual bool setscale(double width, double height) = 0;

    // The current position, where the next text starts (its top-left corner).
    virtual bool setcurrentx(double x) = 0;
    virtual bool setcurrenty(double y) = 0;

    // Text is set in the printer's default face at this size in points.
    virtual bool setfontsize(double points) = 0;
    virtual std::optional<double> textwidth(std::string_view text) = 0; // page units

    // Prints the text at the current position, then leaves the position just
    // after it or moves to the start of the next line. A line that would run
    // past the bottom of the page goes to the top of a new page, at the same x,
    // so that columns carry on where they were.
    virtual bool printtext(std::string_view text, LineEnd end) = 0;
    virtual bool newline() = 0;

    // Lines and outlines are drawn this many printer dots wide (at least 1).
    virtual bool setlinewidth(int dots) = 0;
    virtual bool line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    virtual bool rectangle(double left, double top, double width, double height, Colour colour) = 0;
    // The background picture of the drawing area, stretched into the rectangle.
    virtual bool paintpicture(double left, double top, double width, double height) = 0;

    // Hands the document to the printer.
    virtual bool enddocument() = 0;
    // Throws away what was sent so far; nothing reaches the paper.
    virtual void abandon() = 0;
};

} // namespace jex
