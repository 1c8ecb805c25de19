// SPDX-License-Identifier: GPL-3.0-or-later
#include "webprintjob.h"

#include "modeljson.h"
#include "pagebridge.h"

#include <cstdio>

namespace jex::web {
namespace {

// The page is A4 with 10 mm left free all round, as browsers print by
// default; a printer dot is a CSS pixel, 1/96 inch.
constexpr double twipsperinch = 1440;
constexpr double twipspermillimetre = twipsperinch / 25.4;
constexpr double printablewidth = 190 * twipspermillimetre;  // twips
constexpr double printableheight = 277 * twipspermillimetre; // twips
constexpr double twipsperdot = 15;
constexpr double pointsperpixel = 0.75;

std::string num(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

std::string css(Colour c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buffer;
}

std::string escaped(std::string_view text) {
    std::string result;
    for (const char c : text) {
        switch (c) {
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '&':
            result += "&amp;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) result += c;
        }
    }
    return result;
}

} // namespace

bool WebPrintJob::add(const std::string& element) {
    if (pages_.empty()) return false;
    pages_.back() += element;
    return true;
}

std::optional<PageSize> WebPrintJob::pagesize() {
    return PageSize{printablewidth, printableheight, twipsperinch / twipsperdot};
}

bool WebPrintJob::setscale(double width, double height) {
    if (width <= 0 || height <= 0) return false;
    dotsperunitx_ = printablewidth / twipsperdot / width;
    dotsperunity_ = printableheight / twipsperdot / height;
    scaleheight_ = height;
    scaled_ = true;
    return true;
}

bool WebPrintJob::setcurrentx(double x) {
    x_ = x;
    return true;
}

bool WebPrintJob::setcurrenty(double y) {
    y_ = y;
    return true;
}

bool WebPrintJob::setfontsize(double points) {
    if (points <= 0) return false;
    points_ = points;
    return true;
}

std::optional<double> WebPrintJob::textwidth(std::string_view text) {
    return web::textwidth(points_, false, std::string(text)) / dotsperunitx_;
}

double WebPrintJob::lineheight() const {
    return web::lineheight(points_) / dotsperunity_;
}

bool WebPrintJob::printtext(std::string_view text, LineEnd end) {
    // A line that would run off the bottom starts the next page; one at the
    // top of a page stays, or a page too short for any line would never end.
    if (scaled_ && y_ > 0 && y_ + lineheight() > scaleheight_) {
        pages_.emplace_back();
        y_ = 0;
    }
    if (!add("<text x=\"" + num(px(x_)) + "\" y=\"" + num(py(y_)) + "\" font-size=\"" +
             num(points_ / pointsperpixel) + "\">" + escaped(text) + "</text>"))
        return false;
    if (end == LineEnd::next) return newline();
    x_ += *textwidth(text);
    return true;
}

bool WebPrintJob::newline() {
    x_ = 0;
    y_ += lineheight();
    return true;
}

bool WebPrintJob::setlinewidth(int dots) {
    if (dots < 1) return false;
    linewidth_ = dots;
    return true;
}

bool WebPrintJob::line(double x1, double y1, double x2, double y2, Colour colour) {
    return add("<line x1=\"" + num(px(x1)) + "\" y1=\"" + num(py(y1)) + "\" x2=\"" + num(px(x2)) +
               "\" y2=\"" + num(py(y2)) + "\" stroke=\"" + css(colour) + "\" stroke-width=\"" +
               std::to_string(linewidth_) + "\" stroke-linecap=\"round\"/>");
}

bool WebPrintJob::rectangle(double left, double top, double width, double height, Colour colour) {
    return add("<rect x=\"" + num(px(left)) + "\" y=\"" + num(py(top)) + "\" width=\"" +
               num(px(width)) + "\" height=\"" + num(py(height)) + "\" fill=\"none\" " +
               "stroke=\"" + css(colour) + "\" stroke-width=\"" + std::to_string(linewidth_) +
               "\"/>");
}

bool WebPrintJob::paintpicture(double left, double top, double width, double height) {
    // The page puts the background picture in when it shows the pages.
    return add("<image class=\"background\" x=\"" + num(px(left)) + "\" y=\"" + num(py(top)) +
               "\" width=\"" + num(px(width)) + "\" height=\"" + num(py(height)) +
               "\" preserveAspectRatio=\"none\"/>");
}

std::string WebPrintJob::svg() const {
    const std::string size = "viewBox=\"0 0 " + num(printablewidth / twipsperdot) + " " +
                             num(printableheight / twipsperdot) + "\"";
    std::string all;
    for (const std::string& page : pages_)
        all += "<svg class=\"printpage\" xmlns=\"http://www.w3.org/2000/svg\" "
               "xml:space=\"preserve\" " +
               size + ">" + page + "</svg>";
    return all;
}

bool WebPrintJob::settitle(std::string_view title) {
    title_ = title;
    return true;
}

bool WebPrintJob::enddocument() {
    const bool printed = printpages(svg(), title_);
    pages_.clear();
    return printed;
}

void WebPrintJob::abandon() {
    pages_.clear();
}

} // namespace jex::web
