// SPDX-License-Identifier: GPL-3.0-or-later
// A print job on a QPrinter: the pages drawn on its printable area.
#pragma once

#include "printing/pagedjob.h"

#include <QFont>
#include <QImage>

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
class QtPrintJob final : public PagedPrintJob {
  public:
    // `background` is the drawing area's picture, painted when asked.
    QtPrintJob(std::unique_ptr<QPrinter> printer, QImage background);
    ~QtPrintJob() override;

    std::optional<PageSize> pagesize() override;
    bool settitle(std::string_view title) override;
    bool enddocument() override;
    void abandon() override;

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
    using Drawing = std::function<void(QPainter&)>;

    bool draw(Drawing drawing);
    bool paintpages(QPagedPaintDevice& device);
    bool sendtoprinterqueue();
    QFont font(double points) const;

    std::unique_ptr<QPrinter> printer_;
    QImage background_;
    QString title_;
    std::vector<std::vector<Drawing>> pages_;
};

} // namespace jex::qt
