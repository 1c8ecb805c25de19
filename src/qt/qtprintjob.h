// SPDX-License-Identifier: GPL-3.0-or-later
// A print job on a QPrinter: the page's units mapped onto its printable area.
#pragma once

#include "core/printjob.h"

#include <QFont>
#include <QImage>
#include <QPen>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace jex::qt {

// Hands out the printer each print goes to, or none when there is no printer.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer; none when no printer is set as the default
// (a plain QPrinter would quietly take the first one it finds).
std::unique_ptr<QPrinter> defaultprinter();

// A printer that writes a PDF file, on the paper and margins of the default
// printer when there is one: the page "print" would send.
std::unique_ptr<QPrinter> pdfprinter(const QString& path);

// What is drawn is kept until the document ends and only then sent to the
// printer in one go, so that an abandoned job leaves nothing behind: no half
// page comes out of the printer. A printer writing a PDF file gets the pages
// drawn straight into it; for a print queue the pages are made into a PDF
// document here and handed to the print server, which says whether the queue
// took the job (drawn on the printer itself, Qt reports success even when the
// queue refuses it).
class QtPrintJob final : public PrintJob {
  public:
    // `background` is the drawing area's picture, painted when asked.
    QtPrintJob(std::unique_ptr<QPrinter> printer, QImage background);
    ~QtPrintJob() override;

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

  private:
    using Drawing = std::function<void(QPainter&)>;

    bool draw(Drawing drawing);
    bool paintpages(QPagedPaintDevice& device);
    bool sendtoprinterqueue();
    QPointF topage(double x, double y) const; // page units to printer dots
    double lineheight() const;                // page units, at the current font
    QPen pen(Colour colour) const;

    std::unique_ptr<QPrinter> printer_;
    QImage background_;
    QString title_;
    std::vector<std::vector<Drawing>> pages_;
    bool scaled_ = false;
    double dotsperunitx_ = 1, dotsperunity_ = 1;
    double scaleheight_ = 0;
    double x_ = 0, y_ = 0;
    QFont font_;
    int linewidth_ = 1;
};

} // namespace jex::qt
