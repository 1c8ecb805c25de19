// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page itself: the print button writes a PDF file, which is read
// back as text (pdftotext) and as a picture (pdftoppm).
#include "simulatorrig.h"

#include "core/textids.h"
#include "core/texts.h"
#include "qt/qtprintjob.h"
#include "support/keying.h"

#include <QDate>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using jex::testing::fillslot;

namespace {

constexpr int rasterdpi = 100;

// A PDF printer writing to the file, as the default printer would print.
jex::qt::PrinterSource pdfprinter(const QString& file) {
    return [file] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    };
}

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

// The pages' text, laid out as on the paper.
QStringList pagetexts(const QString& pdf) {
    return QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"})).split('\f');
}

bool isblue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90;
}
bool isred(QRgb c) {
    return qRed(c) > 180 && qBlue(c) < 90 && qGreen(c) < 90;
}

// Whether a pixel of that kind lies within two pixels of the point.
bool near(const QImage& image, QPointF at, bool (*kind)(QRgb)) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (image.valid(p) && kind(image.pixel(p))) return true;
        }
    return false;
}

} // namespace

class PrintingTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void init() {
        QFile::remove(pdf);
        StartedSimulatorTest::init();
    }

    void thePageHoldsTheDrawingTheTitleAndTheListings() {
        jex::JexState& jex = rig->state();
        jex.store.slotname[0] = "zigzag";
        jex.authorname = "Ana";
        fillslot(jex.store, 0, 3);
        fillslot(jex.store, 1, 10, jex::Command::right);
        jex.trail.record({0, 0, 0, 100});
        jex::Control& target = jex.windows.graphics.target;
        target.left = 40;
        target.top = 30;
        target.visible = true;
        rig->click(rig->graphics(), "printbutton");

        QCOMPARE(jex.windows.graphics.warnings.caption, jex::text(jex::textid::printfinished));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"yea"});

        const QString text = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
        QVERIFY2(text.contains("zigzag written by Ana"), qPrintable(text));
        // The document carries the same title as its name.
        const QString info = QString::fromUtf8(run("pdfinfo", {pdf}));
        QVERIFY2(
            QRegularExpression(R"((^|\n)Title: +zigzag written by Ana\n)").match(info).hasMatch(),
            qPrintable(info));
        QVERIFY(text.contains(QDate::currentDate().toString("dd/MM/yyyy")));
        // The text read back has single spaces between words.
        QVERIFY2(QRegularExpression(R"(forward 3 +right 3\n)").match(text).hasMatch(),
                 qPrintable(text));
        QVERIFY(QRegularExpression(R"(\n +right 10\n)").match(text).hasMatch());

        // The picture: the page's units are the drawing area's pixels, its
        // width spread over the printable width.
        const QImage page = raster();
        QVERIFY(!page.isNull());
        const QRectF printable = printablearea();
        const double perunit = printable.width() / jex.windows.graphics.Picture1.width;
        const auto onpage = [&](double x, double y) {
            return QPointF(printable.left() + x * perunit, printable.top() + y * perunit);
        };
        const int cx = jex.windows.graphics.Picture1.width / 2;
        const int cy = jex.windows.graphics.Picture1.height / 2;
        for (int up : {40, 60, 80})
            QVERIFY2(near(page, onpage(cx, cy - up), isblue), "pen line");
        QVERIFY(!near(page, onpage(cx + 30, cy - 60), isblue));
        QVERIFY(!near(page, onpage(cx, cy + 40), isblue));

        const QRectF frame(target.left, target.top, target.width, target.height);
        for (QPointF side :
             {QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()),
              QPointF(frame.left(), frame.center().y()),
              QPointF(frame.right(), frame.center().y())})
            QVERIFY2(near(page, onpage(side.x(), side.y()), isred), "target frame");
        QVERIFY(!near(page, onpage(frame.center().x(), frame.center().y()), isred));
    }

    // Where the rules start a new page, the printer starts one: every row
    // once, in order, both columns on one line, the last pages after the first.
    void aLongListingGoesOnOnTheNextPage() {
        fillslot(rig->state().store, 0, 99);
        fillslot(rig->state().store, 2, 99, jex::Command::left);
        rig->click(rig->graphics(), "printbutton");
        QCOMPARE(rig->sounds(), std::vector<std::string>{"yea"});
        const QStringList pages = pagetexts(pdf);
        qsizetype page = 0, firstpage = -1;
        for (int row = 1; row <= 99; ++row) {
            const QRegularExpression line(QString(R"((^|\n)forward %1 +left %1\n)").arg(row));
            while (page < pages.size() && !line.match(pages[page]).hasMatch())
                ++page;
            QVERIFY2(page < pages.size(), qPrintable(QString::number(row)));
            if (firstpage < 0) firstpage = page;
        }
        QVERIFY(page > firstpage);
    }

    void withNoPrinterTheresAPrinterError() {
        unstarted([] { return std::unique_ptr<QPrinter>(); }).start();
        rig->click(rig->graphics(), "printbutton");
        QCOMPARE(rig->caption(rig->graphics(), "warnings"),
                 QString::fromStdString(jex::text(jex::textid::printererror)));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
    }

    void anAbandonedJobLeavesNoDocument() {
        jex::qt::QtPrintJob job(pdfprinter(pdf)(), QImage());
        QVERIFY(job.pagesize().has_value());
        QVERIFY(job.setscale(640, 900));
        QVERIFY(job.line(0, 0, 100, 100, {0, 0, 255}));
        QVERIFY(job.printtext("half a page", jex::LineEnd::next));
        job.abandon();
        QVERIFY(!QFile::exists(pdf));
    }

  private:
    jex::qt::PrinterSource printer() override { return pdfprinter(pdf); }

    QImage raster() {
        const QString stem = folder.filePath("page");
        run("pdftoppm", {"-png", "-r", QString::number(rasterdpi), "-f", "1", "-l", "1",
                         "-singlefile", "-aa", "no", "-aaVector", "no", pdf, stem});
        return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
    }

    // The printable area of the first page, in the raster's pixels.
    QRectF printablearea() {
        const std::unique_ptr<QPrinter> printer = pdfprinter(pdf)();
        const QRectF inches = printer->pageRect(QPrinter::Inch);
        return {inches.topLeft() * rasterdpi, inches.size() * rasterdpi};
    }

    QTemporaryDir folder;
    const QString pdf = folder.filePath("page.pdf");
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
