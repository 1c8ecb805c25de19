// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qtprintjob.h"

#include "qt/cupsqueue.h"
#include "qt/looks.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace jex::qt {
namespace {

constexpr double twipsperinch = 1440;

} // namespace

std::unique_ptr<QPrinter> defaultprinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> pdfprinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    if (const QPrinterInfo info = QPrinterInfo::defaultPrinter(); !info.isNull())
        printer->setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
    return printer;
}

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, QImage background)
    : printer_(std::move(printer)), background_(std::move(background)), pages_(1),
      font_(QString::fromLatin1(fontfamily)) {
    printer_->setColorMode(QPrinter::Color);
}

QtPrintJob::~QtPrintJob() = default;

std::optional<PageSize> QtPrintJob::pagesize() {
    if (printer_->width() <= 0 || printer_->height() <= 0 || printer_->resolution() <= 0)
        return std::nullopt;
    return PageSize{printer_->width() * twipsperinch / printer_->logicalDpiX(),
                    printer_->height() * twipsperinch / printer_->logicalDpiY(),
                    static_cast<double>(printer_->resolution())};
}

bool QtPrintJob::settitle(std::string_view title) {
    title_ = qtext(std::string(title));
    printer_->setDocName(title_);
    return true;
}

bool QtPrintJob::setscale(double width, double height) {
    if (width <= 0 || height <= 0 || printer_->width() <= 0) return false;
    dotsperunitx_ = printer_->width() / width;
    dotsperunity_ = printer_->height() / height;
    scaleheight_ = height;
    scaled_ = true;
    return true;
}

bool QtPrintJob::setcurrentx(double x) {
    x_ = x;
    return true;
}

bool QtPrintJob::setcurrenty(double y) {
    y_ = y;
    return true;
}

bool QtPrintJob::setfontsize(double points) {
    if (points <= 0) return false;
    font_.setPointSizeF(points);
    return true;
}

std::optional<double> QtPrintJob::textwidth(std::string_view text) {
    return QFontMetricsF(font_, printer_.get()).horizontalAdvance(qtext(std::string(text))) /
           dotsperunitx_;
}

bool QtPrintJob::printtext(std::string_view text, LineEnd end) {
    // A line that would run off the bottom starts the next page; one at the
    // top of a page stays, or a page too short for any line would never end.
    if (scaled_ && y_ > 0 && y_ + lineheight() > scaleheight_) {
        pages_.emplace_back();
        y_ = 0;
    }
    const QString shown = qtext(std::string(text));
    const QFontMetricsF metrics(font_, printer_.get());
    const QPointF baseline = topage(x_, y_) + QPointF(0, metrics.ascent());
    draw([font = font_, baseline, shown](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(baseline, shown);
    });
    if (end == LineEnd::next) return newline();
    x_ += metrics.horizontalAdvance(shown) / dotsperunitx_;
    return true;
}

bool QtPrintJob::newline() {
    x_ = 0;
    y_ += lineheight();
    return true;
}

bool QtPrintJob::setlinewidth(int dots) {
    if (dots < 1) return false;
    linewidth_ = dots;
    return true;
}

bool QtPrintJob::line(double x1, double y1, double x2, double y2, Colour colour) {
    return draw([from = topage(x1, y1), to = topage(x2, y2), stroke = pen(colour)](QPainter& p) {
        p.setPen(stroke);
        p.drawLine(from, to);
    });
}

bool QtPrintJob::rectangle(double left, double top, double width, double height, Colour colour) {
    const QRectF frame(topage(left, top), topage(left + width, top + height));
    return draw([frame, stroke = pen(colour)](QPainter& painter) {
        painter.setPen(stroke);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    });
}

bool QtPrintJob::paintpicture(double left, double top, double width, double height) {
    const QRectF area(topage(left, top), topage(left + width, top + height));
    return draw([area, picture = background_](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture);
    });
}

bool QtPrintJob::enddocument() {
    if (printer_->outputFormat() == QPrinter::NativeFormat) return sendtoprinterqueue();
    return paintpages(*printer_) && printer_->printerState() != QPrinter::Error;
}

bool QtPrintJob::sendtoprinterqueue() {
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        // The same page, margins and dots as the printer's, so that
        // everything measured on the printer lands where it was meant to.
        QPdfWriter pdf(&document);
        pdf.setResolution(printer_->resolution());
        pdf.setPageLayout(printer_->pageLayout());
        pdf.setTitle(title_);
        if (!paintpages(pdf)) return false;
    }
    return sendtoqueue(printer_->printerName(), title_, document.data());
}

bool QtPrintJob::paintpages(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        if (page > 0 && !device.newPage()) {
            if (device.devType() == QInternal::Printer) static_cast<QPrinter&>(device).abort();
            return false;
        }
        for (const Drawing& drawing : pages_[page])
            drawing(painter);
    }
    pages_.clear();
    return painter.end();
}

void QtPrintJob::abandon() {
    // Nothing has reached the printer yet: forgetting the pages is enough.
    pages_.clear();
}

bool QtPrintJob::draw(Drawing drawing) {
    if (pages_.empty()) return false;
    pages_.back().push_back(std::move(drawing));
    return true;
}

QPointF QtPrintJob::topage(double x, double y) const {
    return {x * dotsperunitx_, y * dotsperunity_};
}

double QtPrintJob::lineheight() const {
    return QFontMetricsF(font_, printer_.get()).lineSpacing() / dotsperunity_;
}

QPen QtPrintJob::pen(Colour colour) const {
    return QPen(qcolour(colour), linewidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace jex::qt
