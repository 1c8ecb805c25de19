// SPDX-License-Identifier: GPL-3.0-or-later
// A program exported without a desktop gives the very picture the drawing
// area shows after the same run in the windows.
#include "simulatorrig.h"

#include "qt/canvasview.h"
#include "qt/exportdrawing.h"

#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

// A square, then a pause and a flash: the waits an export must not sit out.
constexpr char squareprogram[] =
    "\"JEX simulator file\",\"me\"\r\n\"square\",6\r\n\"RP\",4\r\n\"F\",50\r\n\"R\",90\r\n"
    "\"E\",-2\r\n\"P\",5\r\n\"FL\",1\r\n\"DONE\",\r\n\"function 1\",0\r\n\"DONE\",\r\n"
    "\"function 2\",0\r\n\"DONE\",\r\n";

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(folder.isValid());
        program = folder.filePath("square.jex").toStdString();
        std::ofstream(program, std::ios::binary) << squareprogram;
    }

    void thePictureIsTheDrawingAreaAfterTheSameRunInTheWindows() {
        std::ostringstream errors;
        const std::filesystem::path picture = folder.filePath("square.png").toStdString();
        QCOMPARE(int(jex::qt::exportdrawing({picture, program, {1024, 768}}, errors)), 0);
        QCOMPARE(QString::fromStdString(errors.str()), QString());
        const QImage exported(QString::fromStdString(picture.string()));
        QCOMPARE(exported.width(), 634); // the drawing area of the 1024 x 768 layout

        jex::testing::SimulatorRig rig({}, QSize(1024, 768));
        rig.start(program);
        rig.click(rig.funnies(), "penon");
        QTest::keyClick(rig.find<QSlider>(rig.funnies(), "Slider1"), Qt::Key_End);
        rig.click(rig.buttons(), "go");
        QCOMPARE(rig.caption(rig.graphics(), "warnings"), QString("finished!"));
        auto* area = rig.find<jex::qt::CanvasView>(rig.graphics(), "Picture1");
        const QImage shown = rgb(area->grab().toImage());
        QCOMPARE(exported.size(), shown.size());
        QCOMPARE(rgb(exported), shown);
        // And it is a drawing: the square's first side is blue, clear of the robot.
        QCOMPARE(shown.pixelColor(317, rig.state().canvashalf - 40), QColor(0, 0, 255));
    }

    void thePageIsAPdf() {
        std::ostringstream errors;
        const std::filesystem::path page = folder.filePath("square.PDF").toStdString();
        QCOMPARE(int(jex::qt::exportdrawing({page, program, {1280, 720}}, errors)), 0);
        QFile file(QString::fromStdString(page.string()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void whatCannotBeReadOrWrittenIsToldInOneLine() {
        std::ostringstream unreadable;
        QCOMPARE(
            int(jex::qt::exportdrawing(
                {folder.filePath("x.png").toStdString(), "/no/such/program.jex", {}}, unreadable)),
            1);
        QCOMPARE(QString::fromStdString(unreadable.str()),
                 QString("jex: cannot read the program file /no/such/program.jex\n"));
        QVERIFY(!QFile::exists(folder.filePath("x.png")));

        for (const char* output : {"/no/such/folder/x.png", "/no/such/folder/x.pdf"}) {
            std::ostringstream unwritable;
            QCOMPARE(int(jex::qt::exportdrawing({output, program, {}}, unwritable)), 1);
            QCOMPARE(QString::fromStdString(unwritable.str()),
                     QString("jex: cannot write %1\n").arg(output));
        }
    }

  private:
    jex::testing::TempHome home;
    QTemporaryDir folder;
    std::filesystem::path program;
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
