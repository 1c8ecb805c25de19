// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing area shows of a run: the pen lines kept in its picture,
// the robot painted over them, and the target lying on it.
#include "simulatorrig.h"

#include "qt/canvasview.h"

#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

const QColor pencolour(0, 0, 255);
const QColor green(0, 255, 0);
const QColor black(0, 0, 0);

// The colour at a point given in the drawing area's own pixels. On a
// high-density screen the picture holds more pixels than that, so that it
// stays sharp.
QColor colourat(const QImage& image, QPoint point) {
    return image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
}

QImage shown(QWidget* widget) {
    return widget->grab().toImage();
}

} // namespace

class DrawingTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void init() {
        StartedSimulatorTest::init();
        area = rig->find<jex::qt::CanvasView>(rig->graphics(), "Picture1");
        QVERIFY(area);
        QTest::keyClick(rig->find<QSlider>(rig->funnies(), "Slider1"), Qt::Key_End);
        QCOMPARE(int(rig->state().robotspeed), 50);
        // The robot stands at the middle column, on row `canvashalf`.
        home = QPoint(area->width() / 2, rig->state().canvashalf);
        step = rig->state().movestep;
    }

    void aSquareDrawnWithThePenDownStaysUnderTheRobot() {
        rig->click(rig->funnies(), "penon");
        QCOMPARE(colourat(shown(rig->find(rig->funnies(), "penon")), QPoint(3, 3)),
                 QColor(192, 255, 192));
        rig->press({"repeat", "four", "forwards", "five", "zero", "rightbutton", "nine", "zero",
                    "endbutton", "go"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("finished!"));
        QCOMPARE(rig->caption(rig->funnies(), "JEXangle"), QString("0"));

        // Up, right, down and left again, 50 units a side.
        const int side = 50 * step;
        const QImage drawing = area->drawing();
        QCOMPARE(drawing.size(), area->size() * area->devicePixelRatioF());
        const QPoint middles[] = {home + QPoint(0, -side / 2), home + QPoint(side / 2, -side),
                                  home + QPoint(side, -side / 2), home + QPoint(side / 2, 0)};
        for (QPoint middle : middles)
            QCOMPARE(colourat(drawing, middle), pencolour);
        QCOMPARE(colourat(drawing, home + QPoint(side / 2, -side / 2)), green);

        // The robot's body lies over the first side, in front of its centre,
        // without having drawn into the picture.
        const QPoint underbody = home + QPoint(0, -rig->state().canvasunit / 4);
        QCOMPARE(colourat(drawing, underbody), pencolour);
        QCOMPARE(colourat(shown(area), underbody), black);

        // Driven away with the pen up, the robot uncovers the line it stood on.
        rig->click(rig->funnies(), "penoff");
        rig->press({"cm", "forwards", "nine", "zero", "go"});
        QCOMPARE(rig->caption(rig->funnies(), "JEXY"), QString::number(90 * step));
        const QImage after = shown(area);
        QCOMPARE(colourat(after, underbody), pencolour);
        QCOMPARE(colourat(after, home + QPoint(0, -90 * step)), black);
        QCOMPARE(colourat(area->drawing(), home + QPoint(0, -side - 10)), green);
    }

    void aFlashHidesTheRobotWithoutTouchingTheDrawing() {
        // At speed 30 each half of the flash lasts two ticks, at least one
        // whole tick, and is painted at once.
        auto* slider = rig->find<QSlider>(rig->funnies(), "Slider1");
        for (int page = 0; page < 4; ++page)
            QTest::keyClick(slider, Qt::Key_PageDown);
        QCOMPARE(int(rig->state().robotspeed), 30);
        const QPoint body = home + QPoint(0, -rig->state().canvasunit / 4);
        int hidden = 0;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (rig->state().running && colourat(shown(area), body) == green) ++hidden;
        });
        look.start(10);
        rig->press({"flash", "one", "go"});
        look.stop();
        QVERIFY(hidden > 0);
        QCOMPARE(colourat(shown(area), body), black);
        QCOMPARE(colourat(area->drawing(), body), green);
    }

    void theTargetIsAYellowSquareOnTheDrawingThatGoesWhenClicked() {
        rig->click(rig->funnies(), "target");
        const jex::Control& model = rig->state().windows.graphics.target;
        auto* target = rig->find<QPushButton>(rig->graphics(), "target");
        QVERIFY(target);
        QCOMPARE(target->parentWidget(), area);
        QVERIFY(target->isVisible());
        QCOMPARE(target->geometry(), QRect(model.left, model.top, model.width, model.height));
        QCOMPARE(target->width(), 2 * rig->state().canvasunit);
        QCOMPARE(target->text(),
                 QString("X=%1\nY=%2").arg(rig->state().targetx).arg(rig->state().targety));
        QVERIFY(target->font().bold());
        QCOMPARE(colourat(shown(target), QPoint(target->width() / 2, 3)), QColor(255, 255, 0));

        rig->click(rig->graphics(), "target");
        QVERIFY(!target->isVisible());
        QVERIFY(!model.visible);
    }

  private:
    jex::qt::CanvasView* area = nullptr;
    QPoint home;
    int step = 1;
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
