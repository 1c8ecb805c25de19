// SPDX-License-Identifier: GPL-3.0-or-later
// A print job made into SVG pages for the page's print view; ending the
// document shows them and opens the browser's print dialog.
#pragma once

#include "printing/pagedjob.h"

#include <string>
#include <vector>

namespace jex::web {

class WebPrintJob final : public PagedPrintJob {
  public:
    std::optional<PageSize> pagesize() override;
    bool settitle(std::string_view title) override;
    bool enddocument() override;
    void abandon() override;

    // The pages as the print view shows them, one <svg> each.
    std::string svg() const;

  protected:
    double widthdots() const override;
    double heightdots() const override;
    double textwidthdots(std::string_view text, double points) const override;
    double linespacingdots(double points) const override;
    bool drawtext(double x, double y, std::string_view text, double points) override;
    bool drawline(double x1, double y1, double x2, double y2, Colour colour,
                  int linedots) override;
    bool drawrectangle(double left, double top, double width, double height, Colour colour,
                       int linedots) override;
    bool drawpicture(double left, double top, double width, double height) override;
    void startpage() override;

  private:
    // Adds to the page being drawn; false once the document is over.
    bool add(const std::string& element);

    std::vector<std::string> pages_{std::string()};
    std::string title_;
};

} // namespace jex::web
