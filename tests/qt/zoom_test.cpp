// SPDX-License-Identifier: GPL-3.0-or-later
// Started with --zoom 150 on a 1920 x 1080 projector: the windows are the
// 1280 x 720 layout at one and a half times the size, drawn sharp.
#include "simulatorrig.h"

#include "qt/canvasview.h"
#include "qt/projectoroptions.h"
#include "qt/qtplatform.h"

#include <QApplication>
#include <QScreen>

#include <cmath>

using jex::testing::StartedSimulatorTest;

class ZoomTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void theLayoutIsForTheScreenDividedByTheZoom() {
        const jex::ScreenInfo screen = rig->simulator->platform().screen();
        QCOMPARE(screen.widthpixels, 1280);
        QCOMPARE(screen.heightpixels, 720);
        // The keypad in the bottom-right corner of the 1280 x 720 layout,
        // 400 twips above the bottom.
        QWidget* keypad = rig->buttons();
        QCOMPARE(keypad->size(), QSize(378, 254));
        QCOMPARE(keypad->pos(), QPoint(1280 - 378, 439));
        // The four windows side by side across the whole projector.
        int right = 0;
        for (QWidget* window : rig->simulator->windows())
            right = std::max(right, window->pos().x() + window->width());
        QCOMPARE(right, 1280);
    }

    void everythingIsDrawnOneAndAHalfTimesLarger() {
        for (QWidget* window : rig->simulator->windows())
            QCOMPARE(window->devicePixelRatioF(), 1.5);
        const QPixmap keypad = rig->buttons()->grab();
        QCOMPARE(keypad.size(), QSize(567, 381));
        // The drawing is kept at the projector's own pixels, not stretched.
        auto* area = rig->find<jex::qt::CanvasView>(rig->graphics(), "Picture1");
        const QSize logical = area->size();
        QCOMPARE(area->drawing().size(),
                 QSize(std::lround(logical.width() * 1.5), std::lround(logical.height() * 1.5)));
    }
};

int main(int argc, char* argv[]) {
    jex::qt::applyzoom(150);
    QApplication application(argc, argv);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "zoom_test.moc"
