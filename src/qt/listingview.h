// SPDX-License-Identifier: GPL-3.0-or-later
// The listing box: the lines the rules printed into it, one below the other
// from the top, an emphasised part in bold and underlined. A screen reader
// reads it as a list whose rows say what the lines show, the step a run
// highlights being the selected row. Reached with Tab (or F6 to its window),
// it is read row by row with Up, Down, Home and End.
#pragma once

#include "core/controls.h"
#include "entry/spoken.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAccessibleInterface;

namespace jex::qt {

class ListingView final : public QWidget {
  public:
    explicit ListingView(QWidget* parent = nullptr);

    void setlines(const std::vector<PrintedLine>& lines);
    const std::vector<PrintedLine>& lines() const { return lines_; }

    // Distance between the tops of two lines, in pixels.
    void setlinespacing(double pixels);
    double linespacing() const { return linespacing_; }

    // A row as it is read out: the words and numbers of the line, without
    // the spaces that line them up.
    QString rowtext(int row) const;
    // The row of the step a run has highlighted, or -1.
    int highlightedrow() const;
    // Where a row lies, in the box's own pixels.
    QRect rowrect(int row) const;

    // The screen reader's view of the box.
    static QAccessibleInterface* accessiblelisting(QWidget* listing);

    // The keys that read the listing while it has the keyboard.
    static bool readingkey(int key);
    // What the window does when a reading key is pressed, and when the
    // listing gets the keyboard.
    std::function<void(ListingMove)> reading;
    std::function<void()> focused;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void tellscreenreaders(const std::vector<PrintedLine>& before);

    std::vector<PrintedLine> lines_;
    double linespacing_ = 0;
};

} // namespace jex::qt
