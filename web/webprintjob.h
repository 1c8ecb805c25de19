// SPDX-License-Identifier: GPL-3.0-or-later
// A print job made into SVG pages for the page's print view; ending the
// document shows them and opens the browser's print dialog.
#pragma once

#include "core/printjob.h"

#include <string>
#include <vector>

namespace jex::web {

class WebPrintJob final : public PrintJob {
  public:
    std::optional<PageSize> pagesize() override;
    bool settitle(std::string_view title) override;
    bool setscale(double width, double height) override;
    bool setcurrentx(double x) override;
    bool setcurrenty(double y) override;
    bool setfontsize(double points) override;
    std::optional<double> textwidth(std::string_view text) override;
    bool printtext(std::string_view text, LineEnd end) override;
    bool newline() override;
    bool setlinewidth(int dots) override;
    bool line(double x1, double y1, double x2, double y2, Colour colour) override;
    bool rectangle(double left, double top, double width, double height, Colour colour) override;
    bool paintpicture(double left, double top, double width, double height) override;
    bool enddocument() override;
    void abandon() override;

    // The pages as the print view shows them, one <svg> each.
    std::string svg() const;

  private:
    // Adds to the page being drawn; false once the document is over.
    bool add(const std::string& element);
    double lineheight() const; // page units
    double px(double x) const { return x * dotsperunitx_; }
    double py(double y) const { return y * dotsperunity_; }

    std::vector<std::string> pages_{std::string()};
    double dotsperunitx_ = 1, dotsperunity_ = 1;
    double scaleheight_ = 0;
    bool scaled_ = false;
    double x_ = 0, y_ = 0;
    double points_ = 10;
    int linewidth_ = 1;
    std::string title_;
};

} // namespace jex::web
