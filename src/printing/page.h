// SPDX-License-Identifier: GPL-3.0-or-later
// The page the printing steps write on, over one print job.
#pragma once

#include "core/printjob.h"

#include <string_view>

namespace jex {

// The first operation the printer refuses spoils the page: from then on
// nothing more is sent, so the steps read straight through and whoever
// started the job looks once, at the end.
class Page {
  public:
    explicit Page(PrintJob& job) : job_(job) {}

    bool spoiled() const { return spoiled_; }

    // Asked of the printer once; all zeros when it would not say.
    const PageSize& size();

    void settitle(std::string_view title);
    void setscale(double width, double height);
    void setcurrentx(double x);
    void setcurrenty(double y);
    void setfontsize(double points);
    double textwidth(std::string_view text); // 0 once spoiled
    void printtext(std::string_view text, LineEnd end);
    void newline();
    // Rounded to whole dots, halves to even. A width that rounds to under one
    // dot, is no number at all or is far too wide spoils the page like a
    // refusal.
    void setlinewidth(double dots);
    void line(double x1, double y1, double x2, double y2, Colour colour);
    void rectangle(double left, double top, double width, double height, Colour colour);
    void paintpicture(double left, double top, double width, double height);
    void enddocument();

  private:
    void take(bool accepted) { spoiled_ = spoiled_ || !accepted; }

    PrintJob& job_;
    bool spoiled_ = false;
    bool sized_ = false;
    PageSize size_{0, 0, 0};
};

} // namespace jex
