// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qtprintjob.h"

#include "qt/cupsqueue.h"
#include "qt/looks.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
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
    : printer_(std::move(printer)), background_(std::move(background)), pages_(1) {
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

double QtPrintJob::widthdots() const { return printer_->width(); }

double QtPrintJob::heightdots() const { return printer_->height(); }

QFont QtPrintJob::font(double points) const {
    QFont face(QString::fromLatin1(fontfamily));
    face.setPointSizeF(points);
    return face;
}

double QtPrintJob::textwidthdots(std::string_view text, double points) const {
    return QFontMetricsF(font(points), printer_.get()).horizontalAdvance(qtext(std::string(text)));
}

double QtPrintJob::linespacingdots(double points) const {
    return QFontMetricsF(font(points), printer_.get()).lineSpacing();
}

bool QtPrintJob::drawtext(double x, double y, std::string_view text, double points) {
    const QFont face = font(points);
    const QPointF baseline(x, y + QFontMetricsF(face, printer_.get()).ascent());
    return draw([face, baseline, shown = qtext(std::string(text))](QPainter& painter) {
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(baseline, shown);
    });
}

bool QtPrintJob::drawline(double x1, double y1, double x2, double y2, Colour colour,
                          int linedots) {
    const QPen stroke(qcolour(colour), linedots, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return draw([from = QPointF(x1, y1), to = QPointF(x2, y2), stroke](QPainter& painter) {
        painter.setPen(stroke);
        painter.drawLine(from, to);
    });
}

bool QtPrintJob::drawrectangle(double left, double top, double width, double height,
                               Colour colour, int linedots) {
    const QPen stroke(qcolour(colour), linedots, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return draw([frame = QRectF(left, top, width, height), stroke](QPainter& painter) {
        painter.setPen(stroke);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    });
}

bool QtPrintJob::drawpicture(double left, double top, double width, double height) {
    return draw([area = QRectF(left, top, width, height), picture = background_](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, picture);
    });
}

void QtPrintJob::startpage() { pages_.emplace_back(); }

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

} // namespace jex::qt
