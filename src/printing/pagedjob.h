// SPDX-License-Identifier: GPL-3.0-or-later
// A print job that keeps the page itself: the scale from page units to the
// printer's dots, the current position, the type size and the line width,
// and when a line starts a new page. The printer it stands for only measures
// and draws, in its own dots, on the last page it was given.
#pragma once

#include "core/printjob.h"

namespace jex {

class PagedPrintJob : public PrintJob {
  public:
    bool setscale(double width, double height) final;
    bool setcurrentx(double x) final;
    bool setcurrenty(double y) final;
    bool setfontsize(double points) final;
    std::optional<double> textwidth(std::string_view text) final;
    bool printtext(std::string_view text, LineEnd end) final;
    bool newline() final;
    bool setlinewidth(int dots) final;
    bool line(double x1, double y1, double x2, double y2, Colour colour) final;
    bool rectangle(double left, double top, double width, double height, Colour colour) final;
    bool paintpicture(double left, double top, double width, double height) final;

  protected:
    // The printable area in the printer's dots; 0 when the printer does not say.
    virtual double widthdots() const = 0;
    virtual double heightdots() const = 0;
    // Text in the printer's face at that size, measured in its dots.
    virtual double textwidthdots(std::string_view text, double points) const = 0;
    virtual double linespacingdots(double points) const = 0;

    // Drawing on the last page, in dots from its top-left corner; each is
    // false once the document is over. Text is placed by its top-left corner.
    virtual bool drawtext(double x, double y, std::string_view text, double points) = 0;
    virtual bool drawline(double x1, double y1, double x2, double y2, Colour colour,
                          int linedots) = 0;
    virtual bool drawrectangle(double left, double top, double width, double height,
                               Colour colour, int linedots) = 0;
    virtual bool drawpicture(double left, double top, double width, double height) = 0;
    // Adds a page after the last; drawing goes on there.
    virtual void startpage() = 0;

  private:
    double dotsx(double x) const { return x * dotsperunitx_; }
    double dotsy(double y) const { return y * dotsperunity_; }
    double lineheight() const;  // page units, at the current size

    bool scaled_ = false;
    double dotsperunitx_ = 1, dotsperunity_ = 1;
    double scaleheight_ = 0;
    double x_ = 0, y_ = 0;
    double points_ = 10;
    int linewidth_ = 1;
};

} // namespace jex
