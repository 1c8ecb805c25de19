// SPDX-License-Identifier: GPL-3.0-or-later
// The windows after start-up: where their controls are, and what the drawing
// area, the listing box and the keys show. Where the windows themselves lie
// is measured by zoom_test, what they are called by screenreader_test.
#include "simulatorrig.h"

#include "qt/keybutton.h"
#include "qt/qtplatform.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

using jex::testing::SimulatorRig;
using jex::testing::StartedSimulatorTest;

class WindowsTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void controlsArePlacedInTheirWindowsUnits() {
        // The tools window is laid out in twips: `centre` is 90 twips in, 1200
        // wide, 492 high, its top 90 + 492 twips above the window's foot (7790).
        QCOMPARE(rig->find(rig->funnies(), "centre")->geometry(), QRect(6, 481, 80, 32));
        // The drawing window in pixels: `load` is 6 pixels in, a third of the
        // 202-pixel column less its two gaps.
        QCOMPARE(rig->find(rig->graphics(), "load")->geometry(), QRect(6, 683, 63, 26));
        // The drawing area: 422 pixels of window less 6 a side; from 6 below
        // the name boxes (bottom 64) to 12 above the load button (top 683).
        QCOMPARE(rig->find(rig->graphics(), "Picture1")->geometry(), QRect(6, 70, 410, 601));
        // The listing box spaces its lines as its font asks: 18 points, 1.2
        // lines of 20 twips to the point, 15 twips a pixel.
        auto* box = rig->find<jex::qt::ListingView>(rig->program(), "programtext");
        QCOMPARE(box->linespacing(), 1.2 * 18 * 20 / 15);
        QCOMPARE(box->font().family(), QString("DejaVu Sans"));
        QCOMPARE(box->font().pointSizeF(), 18.0);
    }

    // Each row is painted a line's spacing below the one before it.
    void theListingPaintsItsRowsOneBelowTheOther() {
        rig->press({"forwards", "five", "rightbutton", "nine"});
        auto* box = rig->find<jex::qt::ListingView>(rig->program(), "programtext");
        const QImage shown = box->grab().toImage();
        const auto inked = [&](int row) {
            const double spacing = box->linespacing() * shown.devicePixelRatio();
            for (int y = int(row * spacing); y < int((row + 1) * spacing); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (qGray(shown.pixel(x, y)) < 96) return true;
            return false;
        };
        QVERIFY(inked(0));
        QVERIFY(inked(1));
        QVERIFY(!inked(2));
    }

    void startupEndsWithOneSuccessSoundOverTheFinishedWindows() {
        SimulatorRig& fresh = unstarted();
        int checked = 0;
        fresh.watchsounds([&](std::string_view) {
            // By the time the sound plays the robot is home and every window is up.
            for (QWidget* window : fresh.simulator->windows())
                QVERIFY(window->isVisible());
            QCOMPARE(fresh.caption(fresh.funnies(), "JEXX"), QString("0"));
            QCOMPARE(fresh.caption(fresh.funnies(), "JEXangle"), QString("0"));
            ++checked;
        });
        fresh.start();
        QCOMPARE(fresh.startupsounds, std::vector<std::string>{"yea"});
        QCOMPARE(checked, 1);
    }

    // A picture much smaller than the area, and a camera's photos, which are
    // held at no more than 2500 pixels a side in their own proportions.
    void aPictureFileIsStretchedOverTheDrawingArea_data() {
        QTest::addColumn<QSize>("file");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("small") << QSize(200, 100) << QSize(200, 100);
        QTest::newRow("wide photo") << QSize(5000, 2000) << QSize(2500, 1000);
        QTest::newRow("tall photo") << QSize(600, 3000) << QSize(500, 2500);
    }
    void aPictureFileIsStretchedOverTheDrawingArea() {
        QFETCH(QSize, file);
        QFETCH(QSize, kept);
        SimulatorRig& fresh = unstarted();
        QImage picture(file, QImage::Format_RGB32); // left half red, right half blue
        picture.fill(Qt::red);
        QPainter(&picture).fillRect(file.width() / 2, 0, file.width(), file.height(), Qt::blue);
        const QString folder =
            QString::fromStdString((fresh.home.path() / "dorvane/jex/picture").string());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(picture.save(folder + "/picture.jpg", "JPEG", 50));

        fresh.start();
        QVERIFY(fresh.state().pictureloaded);
        QCOMPARE(fresh.simulator->platform().backgroundpicture().size(), kept);
        const QImage shot = fresh.find(fresh.graphics(), "Picture1")->grab().toImage();
        const int w = shot.width(), h = shot.height();
        for (QPoint red : {QPoint(w / 4, h / 2), QPoint(0, h - 1)})
            QVERIFY2(shot.pixelColor(red).red() > 200 && shot.pixelColor(red).blue() < 60,
                     qPrintable(shot.pixelColor(red).name()));
        for (QPoint blue : {QPoint(w * 3 / 4, h / 2), QPoint(w - 1, h - 1)})
            QVERIFY2(shot.pixelColor(blue).blue() > 200 && shot.pixelColor(blue).red() < 60,
                     qPrintable(shot.pixelColor(blue).name()));
    }

    void everyKeyShowsItsFace() {
        // Their number and size are measured by highdensity_test.
        for (const auto* key : rig->buttons()->findChildren<jex::qt::KeyButton*>()) {
            QVERIFY2(QSvgRenderer(key->face()).isValid(), qPrintable(key->objectName()));
            QVERIFY2(key->face().contains(key->objectName()), qPrintable(key->face()));
        }
        QCOMPARE(rig->find<jex::qt::KeyButton>(rig->buttons(), "go")->face(),
                 QString(":/keys/121-go.svg"));
        QCOMPARE(rig->find<jex::qt::KeyButton>(rig->buttons(), "rm")->pos(),
                 QPoint(6 + 62 * 5, 6 + 62 * 3));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
