// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printdrawing.h"

#include "core/platform.h"
#include "core/state.h"
#include "printing/page.h"

namespace jex {
namespace {

// Twips the screen draws the robot's lines with: its body and its marking.
constexpr double bodytwips = 144;
constexpr double markingtwips = 122;
// The pen line's width on paper, in printer dots before scaling.
constexpr double pendots = 5;

constexpr double twipsperinch = 1440;

// `amount` / `per` of the screen's drawing area, scaled to the paper's
// width. Worked out as one division of two products, so that a width that is
// exactly a half on paper stays one and rounds to even: dividing in steps
// would round on the way (122 / 2.4 x 15120 / (15 x 976) gives
// 52.50000000000001, where the width is 52.5).
double topaper(JexState& jex, Page& page, double amount, double per = 1) {
    return amount * page.size().widthtwips /
           (per * jex.platform.screen().twipsperpixelx * jex.windows.graphics.Picture1.width);
}

// Printer dots for a line the screen draws this many twips thick.
double dotsfortwips(JexState& jex, Page& page, double twips) {
    return topaper(jex, page, twips * page.size().dotsperinch, twipsperinch);
}

void printsprite(Page& page, const LineControl& line, Colour colour) {
    printline(page, line.x1, line.y1, line.x2, line.y2, colour);
}

} // namespace

void setpage(JexState& jex, Page& page) {
    const double width = jex.windows.graphics.Picture1.width;
    const PageSize& size = page.size();
    page.setlinewidth(1);
    page.setcurrentx(0);
    page.setcurrenty(0);
    page.setscale(width, width * size.heighttwips / size.widthtwips);
}

void printdrawing(JexState& jex, Page& page) {
    const Control& area = jex.windows.graphics.Picture1;
    if (jex.pictureloaded) page.paintpicture(0, 0, area.width, area.height);

    page.setlinewidth(topaper(jex, page, pendots));
    // The centre of the drawing area, in whole pixels.
    const int cx = area.width / 2;
    const int cy = area.height / 2;
    for (const TrailStroke& stroke : jex.trail.strokes())
        printline(page, cx + stroke.x1, cy - stroke.y1, cx + stroke.x2, cy - stroke.y2, printblue);

    printrobot(jex, page);

    const Control& target = jex.windows.graphics.target;
    if (target.visible) {
        page.setlinewidth(1);
        page.rectangle(target.left, target.top, target.width, target.height, printred);
    }
}

void printrobot(JexState& jex, Page& page) {
    GraphicsWindow& graphics = jex.windows.graphics;

    for (std::size_t i = 0; i < robotlines.size(); ++i) {
        const bool body = i < bodylines;
        if (i == 0 || i == bodylines)
            page.setlinewidth(dotsfortwips(jex, page, body ? bodytwips : markingtwips));
        printsprite(page, graphics.*robotlines[i], body ? printblack : printwhite);
    }
}

void printline(Page& page, double x1, double y1, double x2, double y2, Colour colour) {
    page.line(x1, y1, x2, y2, colour);
}

} // namespace jex
