// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing area shows of a run: the pen lines kept in its picture,
// the robot painted over them and over the target lying on it; its menu,
// which copies and saves the picture as it is shown.
#include "simulatorrig.h"

#include "canvas/target.h"
#include "qt/canvasview.h"
#include "qt/qtplatform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QColor pencolour(0, 0, 255);
const QColor green(0, 255, 0);
const QColor black(0, 0, 0);
const QColor yellow(255, 255, 0);

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

    void aRightClickCopiesThePictureAsShown() {
        rig->click(rig->funnies(), "target");
        QVERIFY(rightclick([](QMenu& menu) { return menu.actions().constFirst(); }));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("picture copied!"));

        // The drawing with the robot and the target on it, as a pupil sees it.
        const QImage copied = QApplication::clipboard()->image();
        const QImage shown = area->grab().toImage();
        QCOMPARE(copied.size(), shown.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 shown.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(colourat(copied, home), black);
    }

    void theSavedPictureHasTheScreensPixelsAndTheSavedPageIsAPdf() {
        QTemporaryDir folder;
        rig->dialogs->chosenfile = (folder.path() + "/drawing").toStdString();
        QVERIFY(rightclick([](QMenu& menu) { return menu.actions().at(1); }));
        const QImage saved(folder.path() + "/drawing.png");
        QCOMPARE(saved.size(), area->size() * area->devicePixelRatioF());
        // A file knows nothing of the screen's density: its pixels are the screen's.
        QImage shown = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1);
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown);
        QCOMPARE(rig->dialogs->asked.back().filename, std::string("my program.png"));

        rig->dialogs->chosenfile = (folder.path() + "/page.pdf").toStdString();
        QVERIFY(rightclick([](QMenu& menu) { return menu.actions().at(2); }));
        QFile page(folder.path() + "/page.pdf");
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.read(5) == "%PDF-");
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString(""));
        QVERIFY(rig->sounds().empty());
    }

    void aRightClickDuringARunStopsItAndOpensNoMenu() {
        bool menuopened = false;
        QTimer::singleShot(0, area, [&] {
            QVERIFY(rig->state().running);
            menuopened = rightclick();
        });
        rig->press({"pause", "five", "zero", "go"});
        QVERIFY(!menuopened);
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("stopped!"));
    }

    // The target lies on the drawing where the rules put it, here right
    // under the robot at the centre, and the robot is seen above it. A click
    // on the robot is not a click on the target; beside it, it is.
    void theRobotParkedOnTheTargetIsSeenAboveIt() {
        jex::JexState& state = rig->state();
        state.targetx = 0;
        state.targety = 0;
        jex::drawtarget(state);
        rig->simulator->platform().syncwindows();
        const jex::Control& model = state.windows.graphics.target;
        auto* target = rig->find<QPushButton>(rig->graphics(), "target");
        QCOMPARE(target->parentWidget(), area);
        QVERIFY(target->isVisible());
        QCOMPARE(target->geometry(), QRect(model.left, model.top, model.width, model.height));
        QCOMPARE(target->text(), QString("X=0\nY=0"));
        QVERIFY(target->font().bold());
        const QImage shown = area->grab().toImage();
        QCOMPARE(colourat(shown, home), black);
        QCOMPARE(colourat(shown, home + QPoint(0, state.canvasunit - 3)), yellow);

        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(area, home));
        QVERIFY(model.visible);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!model.visible);
        QVERIFY(!target->isVisible());
    }

  private:
    // Right-clicks the middle of the drawing area; true when a menu opened,
    // from which `choose` picks an entry (with nothing to choose, it is closed).
    bool rightclick(std::function<QAction*(QMenu&)> choose = {}) {
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(0, area, [opened, choose] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            *opened = true;
            if (!choose) {
                menu->close();
                return;
            }
            menu->setActiveAction(choose(*menu));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, home, area->mapToGlobal(home));
        QApplication::sendEvent(area, &event);
        QCoreApplication::processEvents();
        return *opened;
    }

    jex::qt::CanvasView* area = nullptr;
    QPoint home;
    int step = 1;
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
