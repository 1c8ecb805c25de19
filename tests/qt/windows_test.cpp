// SPDX-License-Identifier: GPL-3.0-or-later
// The four windows after start-up: where they are, what they are called, and
// what the drawing area and the keys show.
#include "simulatorrig.h"

#include "qt/canvasview.h"
#include "qt/keybutton.h"
#include "qt/qtplatform.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QSvgRenderer>

using jex::testing::SimulatorRig;

namespace {

// Away from the robot, which stands in the middle.
QColor quartercolour(QWidget* widget) {
    const QImage shot = widget->grab().toImage();
    return shot.pixelColor(shot.width() / 4, shot.height() / 4);
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void windowsTileTheOffscreenScreen() {
        SimulatorRig rig;
        rig.start();
        // 800 x 800 pixels at 15 twips a pixel: the keypad in the bottom-right
        // corner 400 twips above the bottom, the tools at the top right, the
        // listing between them and the drawing window filling the rest.
        const std::array<QRect, 4> expected = {
            QRect(422, 519, 378, 254), // buttons: 6330, 7790 twips, 5670 x 3810
            QRect(708, 0, 92, 519),    // funnies: 10620, 0, 1380 x 7790
            QRect(422, 0, 286, 519),   // program: 6330, 0, 4290 x 7790
            QRect(0, 0, 422, 773),     // graphics: 0, 0, 6330 x 11600
        };
        const std::array<QWidget*, 4> windows = rig.simulator->windows();
        for (std::size_t i = 0; i < windows.size(); ++i) {
            QVERIFY(windows[i]->isVisible());
            QCOMPARE(QRect(windows[i]->pos(), windows[i]->size()), expected[i]);
        }
    }

    void controlsArePlacedInTheirWindowsUnits() {
        SimulatorRig rig;
        rig.start();
        // The tools window is laid out in twips: `centre` is 90 twips in, 1200
        // wide, 492 high, its top 90 + 492 twips above the window's foot (7790).
        QCOMPARE(rig.find(rig.funnies(), "centre")->geometry(), QRect(6, 481, 80, 32));
        // The drawing window in pixels: `load` is 6 pixels in, a third of the
        // 202-pixel column less its two gaps.
        QCOMPARE(rig.find(rig.graphics(), "load")->geometry(), QRect(6, 683, 63, 26));
    }

    void windowsAreTitledFromTheStringTable() {
        SimulatorRig rig;
        rig.start();
        QStringList titles;
        for (QWidget* window : rig.simulator->windows())
            titles << window->windowTitle();
        QCOMPARE(titles, QStringList({"JEX keypad", "JEX tools", "JEX", "JEX drawing"}));
    }

    void startupEndsWithOneSuccessSoundOverTheFinishedWindows() {
        SimulatorRig rig;
        int checked = 0;
        rig.watchsounds([&](std::string_view) {
            // By the time the sound plays the robot is home and every window is up.
            for (QWidget* window : rig.simulator->windows())
                QVERIFY(window->isVisible());
            QCOMPARE(rig.caption(rig.funnies(), "JEXX"), QString("0"));
            QCOMPARE(rig.caption(rig.funnies(), "JEXangle"), QString("0"));
            ++checked;
        });
        rig.start();
        QCOMPARE(rig.startupsounds, std::vector<std::string>{"yea"});
        QCOMPARE(checked, 1);
    }

    void withoutAPictureFileTheDrawingAreaIsPlainGreen() {
        SimulatorRig rig;
        rig.start();
        QVERIFY(!rig.state().pictureloaded);
        auto* area = rig.find<jex::qt::CanvasView>(rig.graphics(), "Picture1");
        QVERIFY(area);
        // 422 pixels of window less 6 a side; from 6 below the name boxes
        // (bottom 64) to 12 above the load button (top 683).
        QCOMPARE(area->size(), QSize(410, 601));
        QCOMPARE(quartercolour(area), QColor(0, 255, 0));
    }

    void aPictureFileIsStretchedOverTheDrawingArea() {
        SimulatorRig rig;
        // A picture of two halves, red above blue, much smaller than the area.
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 5; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                picture.setPixelColor(x, y, Qt::blue);
        const QString folder =
            QString::fromStdString((rig.home.path() / "dorvane/jex/picture").string());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(picture.save(folder + "/picture.jpg", "PNG"));

        rig.start();
        QVERIFY(rig.state().pictureloaded);
        auto* area = rig.find<jex::qt::CanvasView>(rig.graphics(), "Picture1");
        const QImage shot = area->grab().toImage();
        const QColor top = shot.pixelColor(shot.width() / 2, shot.height() / 4);
        const QColor bottom = shot.pixelColor(shot.width() / 2, shot.height() * 3 / 4);
        const QColor corner = shot.pixelColor(shot.width() - 1, shot.height() - 1);
        QVERIFY2(top.red() > 200 && top.blue() < 60, qPrintable(top.name()));
        QVERIFY2(bottom.blue() > 200 && bottom.red() < 60, qPrintable(bottom.name()));
        QVERIFY2(corner.blue() > 200 && corner.red() < 60, qPrintable(corner.name()));
    }

    void aLargePictureIsMadeSmallerOnceAsItIsRead() {
        // A camera's photo, left half red and right half blue, held at no
        // more than 2500 pixels a side in its own proportions.
        struct Case {
            QSize file, kept;
        };
        for (const Case& c : {Case{{5000, 2000}, {2500, 1000}}, Case{{600, 3000}, {500, 2500}}}) {
            SimulatorRig rig;
            QImage picture(c.file, QImage::Format_RGB32);
            picture.fill(Qt::red);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = picture.width() / 2; x < picture.width(); ++x)
                    picture.setPixelColor(x, y, Qt::blue);
            const QString folder =
                QString::fromStdString((rig.home.path() / "dorvane/jex/picture").string());
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(picture.save(folder + "/picture.jpg", "JPEG", 50));

            rig.start();
            QVERIFY(rig.state().pictureloaded);
            const QImage& kept = rig.simulator->platform().backgroundpicture();
            QCOMPARE(kept.size(), c.kept);
            QCOMPARE(kept.pixelColor(kept.width() / 4, kept.height() / 2).red() > 200, true);
            QCOMPARE(kept.pixelColor(kept.width() * 3 / 4, kept.height() / 2).blue() > 200, true);
            const QImage shot = rig.find(rig.graphics(), "Picture1")->grab().toImage();
            QVERIFY(shot.pixelColor(shot.width() / 4, shot.height() / 2).red() > 200);
            QVERIFY(shot.pixelColor(shot.width() * 3 / 4, shot.height() / 2).blue() > 200);
        }
    }

    void everyKeyShowsItsFace() {
        SimulatorRig rig;
        rig.start();
        const QList<jex::qt::KeyButton*> keys = rig.buttons()->findChildren<jex::qt::KeyButton*>();
        QCOMPARE(keys.size(), 24);
        for (const jex::qt::KeyButton* key : keys) {
            QCOMPARE(key->size(), QSize(56, 56));
            QVERIFY2(QSvgRenderer(key->face()).isValid(), qPrintable(key->objectName()));
            QVERIFY2(key->face().contains(key->objectName()), qPrintable(key->face()));
        }
        QCOMPARE(rig.find<jex::qt::KeyButton>(rig.buttons(), "go")->face(),
                 QString(":/keys/121-go.svg"));
        QCOMPARE(rig.find<jex::qt::KeyButton>(rig.buttons(), "rm")->pos(),
                 QPoint(6 + 62 * 5, 6 + 62 * 3));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
