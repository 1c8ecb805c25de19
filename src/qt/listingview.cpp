// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/listingview.h"

#include "qt/looks.h"

#include <QFontMetricsF>
#include <QPainter>

namespace jex::qt {

ListingView::ListingView(QWidget* parent) : QWidget(parent) {}

void ListingView::setlines(const std::vector<PrintedLine>& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    update();
}

void ListingView::setlinespacing(double pixels) {
    if (qFuzzyCompare(pixels, linespacing_)) return;
    linespacing_ = pixels;
    update();
}

void ListingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));

    const QFont plainfont = font();
    QFont emphasisedfont = plainfont;
    emphasisedfont.setBold(true);
    emphasisedfont.setUnderline(true);
    const QFontMetricsF plainmetrics(plainfont, this);
    const QFontMetricsF emphasisedmetrics(emphasisedfont, this);
    const double ascent = std::max(plainmetrics.ascent(), emphasisedmetrics.ascent());

    double top = 0;
    for (const PrintedLine& line : lines_) {
        if (top > height()) break;
        const double baseline = top + ascent;
        const QString plain = qtext(line.plain);
        painter.setFont(plainfont);
        painter.drawText(QPointF(0, baseline), plain);
        if (!line.emphasised.empty()) {
            painter.setFont(emphasisedfont);
            painter.drawText(QPointF(plainmetrics.horizontalAdvance(plain), baseline),
                             qtext(line.emphasised));
        }
        top += linespacing_;
    }
}

} // namespace jex::qt
