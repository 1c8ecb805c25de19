// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/page.h"

#include "core/numbers.h"

#include <cmath>

namespace jex {
namespace {

// Wider than any printer draws; beyond it the dots would not fit a number.
constexpr double widestline = 32767;

} // namespace

const PageSize& Page::size() {
    if (!sized_ && !spoiled_) {
        sized_ = true;
        const std::optional<PageSize> asked = job_.pagesize();
        take(asked.has_value());
        if (asked) size_ = *asked;
    }
    return size_;
}

void Page::settitle(std::string_view title) {
    if (!spoiled_) take(job_.settitle(title));
}

void Page::setscale(double width, double height) {
    // A page or drawing of no size would give a scale of no meaning.
    if (!spoiled_)
        take(std::isfinite(width) && std::isfinite(height) && width > 0 && height > 0 &&
             job_.setscale(width, height));
}

void Page::setcurrentx(double x) {
    if (!spoiled_) take(std::isfinite(x) && job_.setcurrentx(x));
}

void Page::setcurrenty(double y) {
    if (!spoiled_) take(std::isfinite(y) && job_.setcurrenty(y));
}

void Page::setfontsize(double points) {
    if (!spoiled_) take(job_.setfontsize(points));
}

double Page::textwidth(std::string_view text) {
    if (spoiled_) return 0;
    const std::optional<double> width = job_.textwidth(text);
    take(width.has_value());
    return width.value_or(0);
}

void Page::printtext(std::string_view text, LineEnd end) {
    if (!spoiled_) take(job_.printtext(text, end));
}

void Page::newline() {
    if (!spoiled_) take(job_.newline());
}

void Page::setlinewidth(double dots) {
    if (spoiled_) return;
    // Looked at before rounding: what is not a number, or lies far out of
    // range, has no whole number of dots.
    const bool inrange = dots >= 0 && dots <= widestline;
    const int whole = inrange ? roundhalfeven(dots) : 0;
    take(whole >= 1 && job_.setlinewidth(whole));
}

void Page::line(double x1, double y1, double x2, double y2, Colour colour) {
    if (!spoiled_) take(job_.line(x1, y1, x2, y2, colour));
}

void Page::rectangle(double left, double top, double width, double height, Colour colour) {
    if (!spoiled_) take(job_.rectangle(left, top, width, height, colour));
}

void Page::paintpicture(double left, double top, double width, double height) {
    if (!spoiled_) take(job_.paintpicture(left, top, width, height));
}

void Page::enddocument() {
    if (!spoiled_) take(job_.enddocument());
}

} // namespace jex
