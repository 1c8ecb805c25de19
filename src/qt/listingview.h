// SPDX-License-Identifier: GPL-3.0-or-later
// The listing box: the lines the rules printed into it, one below the other
// from the top, an emphasised part in bold and underlined.
#pragma once

#include "core/controls.h"

#include <QWidget>

#include <vector>

namespace jex::qt {

class ListingView final : public QWidget {
  public:
    explicit ListingView(QWidget* parent = nullptr);

    void setlines(const std::vector<PrintedLine>& lines);
    const std::vector<PrintedLine>& lines() const { return lines_; }

    // Distance between the tops of two lines, in pixels.
    void setlinespacing(double pixels);
    double linespacing() const { return linespacing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PrintedLine> lines_;
    double linespacing_ = 0;
};

} // namespace jex::qt
