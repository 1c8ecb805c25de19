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

double WebPrintJob::widthdots() const { return printablewidth / twipsperdot; }

double WebPrintJob::heightdots() const { return printableheight / twipsperdot; }

double WebPrintJob::textwidthdots(std::string_view text, double points) const {
    return web::textwidth(points, false, std::string(text));
}

double WebPrintJob::linespacingdots(double points) const { return web::lineheight(points); }

bool WebPrintJob::drawtext(double x, double y, std::string_view text, double points) {
    return add("<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" +
               num(points / pointsperpixel) + "\">" + escaped(text) + "</text>");
}

bool WebPrintJob::drawline(double x1, double y1, double x2, double y2, Colour colour,
                           int linedots) {
    return add("<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) +
               "\" y2=\"" + num(y2) + "\" stroke=\"" + css(colour) + "\" stroke-width=\"" +
               std::to_string(linedots) + "\" stroke-linecap=\"round\"/>");
}

bool WebPrintJob::drawrectangle(double left, double top, double width, double height,
                                Colour colour, int linedots) {
    return add("<rect x=\"" + num(left) + "\" y=\"" + num(top) + "\" width=\"" + num(width) +
               "\" height=\"" + num(height) + "\" fill=\"none\" " + "stroke=\"" + css(colour) +
               "\" stroke-width=\"" + std::to_string(linedots) + "\"/>");
}

bool WebPrintJob::drawpicture(double left, double top, double width, double height) {
    // The page puts the background picture in when it shows the pages.
    return add("<image class=\"background\" x=\"" + num(left) + "\" y=\"" + num(top) +
               "\" width=\"" + num(width) + "\" height=\"" + num(height) +
               "\" preserveAspectRatio=\"none\"/>");
}

void WebPrintJob::startpage() { pages_.emplace_back(); }

std::string WebPrintJob::svg() const {
    const std::string size = "viewBox=\"0 0 " + num(widthdots()) + " " + num(heightdots()) + "\"";
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
