// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/pagedjob.h"

namespace jex {

bool PagedPrintJob::setscale(double width, double height) {
    if (width <= 0 || height <= 0 || widthdots() <= 0) return false;
    dotsperunitx_ = widthdots() / width;
    dotsperunity_ = heightdots() / height;
    scaleheight_ = height;
    scaled_ = true;
    return true;
}

bool PagedPrintJob::setcurrentx(double x) {
    x_ = x;
    return true;
}

bool PagedPrintJob::setcurrenty(double y) {
    y_ = y;
    return true;
}

bool PagedPrintJob::setfontsize(double points) {
    if (points <= 0) return false;
    points_ = points;
    return true;
}

std::optional<double> PagedPrintJob::textwidth(std::string_view text) {
    return textwidthdots(text, points_) / dotsperunitx_;
}

double PagedPrintJob::lineheight() const { return linespacingdots(points_) / dotsperunity_; }

bool PagedPrintJob::printtext(std::string_view text, LineEnd end) {
    // A line that would run off the bottom starts the next page; one at the
    // top of a page stays, or a page too short for any line would never end.
    if (scaled_ && y_ > 0 && y_ + lineheight() > scaleheight_) {
        startpage();
        y_ = 0;
    }
    if (!drawtext(dotsx(x_), dotsy(y_), text, points_)) return false;
    if (end == LineEnd::next) return newline();
    x_ += *textwidth(text);
    return true;
}

bool PagedPrintJob::newline() {
    x_ = 0;
    y_ += lineheight();
    return true;
}

bool PagedPrintJob::setlinewidth(int dots) {
    if (dots < 1) return false;
    linewidth_ = dots;
    return true;
}

bool PagedPrintJob::line(double x1, double y1, double x2, double y2, Colour colour) {
    return drawline(dotsx(x1), dotsy(y1), dotsx(x2), dotsy(y2), colour, linewidth_);
}

bool PagedPrintJob::rectangle(double left, double top, double width, double height,
                              Colour colour) {
    return drawrectangle(dotsx(left), dotsy(top), dotsx(width), dotsy(height), colour,
                         linewidth_);
}

bool PagedPrintJob::paintpicture(double left, double top, double width, double height) {
    return drawpicture(dotsx(left), dotsy(top), dotsx(width), dotsy(height));
}

} // namespace jex
