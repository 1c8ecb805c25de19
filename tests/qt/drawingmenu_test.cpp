// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area's menu on the real windows, and the robot drawn over the
// target so that a pupil sees it park.
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
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QColor black(0, 0, 0);
const QColor yellow(255, 255, 0);

QColor colourat(const QImage& image, QPoint point) {
    return image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
}

} // namespace

class DrawingMenuTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void init() {
        StartedSimulatorTest::init();
        area = rig->find<jex::qt::CanvasView>(rig->graphics(), "Picture1");
        QVERIFY(area);
        home = QPoint(area->width() / 2, rig->state().canvashalf);
    }

    void aRightClickOffersTheMenuAndCopiesThePictureAsShown() {
        rig->click(rig->funnies(), "target");
        QStringList offered;
        QVERIFY(rightclick([&offered](QMenu& menu) {
            for (QAction* action : menu.actions())
                offered << action->text();
            return menu.actions().constFirst();
        }));
        QCOMPARE(offered, QStringList({"copy picture", "save picture…", "save page…"}));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("picture copied!"));

        // The drawing with the robot and the target on it, as a pupil sees it.
        const QImage copied = QApplication::clipboard()->image();
        const QImage shown = area->grab().toImage();
        QCOMPARE(copied.size(), shown.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 shown.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(colourat(copied, home), black);
        const jex::Control& target = rig->state().windows.graphics.target;
        QCOMPARE(colourat(copied, QPoint(target.left + target.width / 2, target.top + 3)), yellow);
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

    void theRobotParkedOnTheTargetIsSeenAboveIt() {
        jex::JexState& state = rig->state();
        // The target right under the robot, at the centre.
        state.targetx = 0;
        state.targety = 0;
        jex::drawtarget(state);
        rig->simulator->platform().syncwindows();
        auto* target = rig->find<QPushButton>(rig->graphics(), "target");
        QVERIFY(target->isVisible());
        const QImage shown = area->grab().toImage();
        QCOMPARE(colourat(shown, home), black);
        QCOMPARE(colourat(shown, home + QPoint(0, state.canvasunit - 3)), yellow);

        // A click on the robot is not a click on the target; beside it, it is.
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(area, home));
        QVERIFY(state.windows.graphics.target.visible);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!state.windows.graphics.target.visible);
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
};

QTEST_MAIN(DrawingMenuTest)
#include "drawingmenu_test.moc"
