// SPDX-License-Identifier: GPL-3.0-or-later
// A 2048 x 1536 screen at twice the ordinary density, as a 4K monitor or 200 %
// scaling gives it: what is drawn is drawn at the screen's own resolution. The
// layout for the screen divided by the scale is zoom_test's, at 150 %.
#include "simulatorrig.h"

#include "qt/keybutton.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

using jex::testing::StartedSimulatorTest;

namespace {

// How many pixels of two pictures of the same size differ visibly.
int differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                    std::abs(p.blue() - q.blue()) >
                24)
                ++count;
        }
    return count;
}

} // namespace

class HighDensityTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void keysAre112DevicePixelsWithSharpFaces() {
        const QList<jex::qt::KeyButton*> keys = rig->buttons()->findChildren<jex::qt::KeyButton*>();
        QCOMPARE(keys.size(), 24);
        for (jex::qt::KeyButton* key : keys) {
            const QPixmap shot = key->grab();
            QCOMPARE(shot.size(), QSize(112, 112));
            QCOMPARE(shot.devicePixelRatio(), 2.0);
        }
        // The 50-pixel face is drawn at 100 device pixels, as its drawing
        // at that size on the key's grey, not drawn small and stretched.
        auto* go = rig->find<jex::qt::KeyButton>(rig->buttons(), "go");
        const QImage shown = go->grab().toImage().copy(6, 6, 100, 100);
        QImage sharp(100, 100, QImage::Format_RGB32);
        sharp.fill(QColor(96, 96, 96));
        QPainter painter(&sharp);
        QSvgRenderer(go->face()).render(&painter);
        painter.end();
        const QImage stretched =
            sharp.scaled(50, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(differing(shown, sharp) < 100);
        QVERIFY(differing(shown, stretched) > 300);
    }

    // The drawing area's own density is checked by the drawing test's dense run.
    void theIconIsDrawnAtTheScreensDensity() {
        for (QWidget* window : rig->simulator->windows()) {
            const QPixmap large = window->windowIcon().pixmap(QSize(64, 64), 2.0);
            QCOMPARE(large.size(), QSize(128, 128));
            QCOMPARE(large.devicePixelRatio(), 2.0);
            QCOMPARE(qAlpha(large.toImage().pixel(64, 64)), 255);
        }
    }
};

QTEST_MAIN(HighDensityTest)
#include "highdensity_test.moc"
