// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks while a program runs only stop it; leaving the program; the speed.
#include "simulatorrig.h"

#include "core/textids.h"
#include "entry/feedback.h"
#include "entry/timerwaits.h"
#include "qt/listingview.h"
#include "qt/qtplatform.h"

#include <QCloseEvent>
#include <QSlider>
#include <QTimer>

using jex::testing::SimulatorRig;

class GuardsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        rig = std::make_unique<SimulatorRig>();
        rig->start();
    }
    void cleanup() { rig.reset(); }

    void everyButtonOnlyStopsARun_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("button");
        for (const char* name : {"seven", "zero", "forwards", "note", "repeat", "endbutton", "go",
                                 "test", "cm", "ce", "rm"})
            QTest::newRow(name) << 0 << QString(name);
        for (const char* name : {"penon", "penoff", "target", "clear", "centre"})
            QTest::newRow(name) << 1 << QString(name);
        QTest::newRow("exitbutton") << 2 << QString("exitbutton");
        for (const char* name :
             {"load", "printbutton", "save", "change1", "change2", "use1", "use2"})
            QTest::newRow(name) << 3 << QString(name);
    }
    void everyButtonOnlyStopsARun() {
        QFETCH(int, window);
        QFETCH(QString, button);
        rig->click(rig->buttons(), "forwards");
        rig->click(rig->buttons(), "five");
        const std::string before = rig->state().windows.program.programtext.lines.front().plain;

        rig->state().running = true;
        rig->click(rig->simulator->windows()[static_cast<std::size_t>(window)],
                   button.toLatin1().constData());
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->state().store.stepcount[0], 1);
        QCOMPARE(rig->state().windows.program.programtext.lines.front().plain, before);
        QCOMPARE(rig->state().windows.graphics.warnings.caption, std::string());
        QVERIFY(rig->sounds().empty());
        QCOMPARE(rig->endings, 0);
    }

    void theTargetOnTheDrawingOnlyStopsARun() {
        jex::Control& target = rig->state().windows.graphics.target;
        target.visible = true;
        rig->simulator->platform().syncwindows();
        rig->state().running = true;
        rig->click(rig->graphics(), "target");
        QVERIFY(!rig->state().running);
        QVERIFY(target.visible);
    }

    void aKeyClickedDuringAWaitStopsWithoutEditing() {
        rig->state().running = true;
        QTimer::singleShot(150, [this] { rig->click(rig->buttons(), "forwards"); });
        jex::pointeightsec(rig->state());
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->state().store.stepcount[0], 0);
        QVERIFY(rig->find<jex::qt::ListingView>(rig->program(), "programtext")->lines().empty());
    }

    void aClickDuringASuccessReportIsHandledBeforeItsSound() {
        rig->state().running = true;
        bool stoppedbeforesound = false;
        rig->watchsounds([&](std::string_view) { stoppedbeforesound = !rig->state().running; });
        QTimer::singleShot(150, [this] { rig->click(rig->funnies(), "clear"); });
        jex::reportsuccess(rig->state(), jex::textid::expectingcommand);
        QVERIFY(stoppedbeforesound);
        QCOMPARE(rig->sounds(), std::vector<std::string>{"yea"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("expecting a command!"));
    }

    void exitEndsTheProgramUnlessARunIsStopped() {
        rig->state().running = true;
        rig->click(rig->program(), "exitbutton");
        QCOMPARE(rig->endings, 0);
        rig->click(rig->program(), "exitbutton");
        QCOMPARE(rig->endings, 1);
    }

    void closingAnyWindowIsLikeTheExitButton_data() {
        QTest::addColumn<int>("window");
        QTest::newRow("buttons") << 0;
        QTest::newRow("funnies") << 1;
        QTest::newRow("program") << 2;
        QTest::newRow("graphics") << 3;
    }
    void closingAnyWindowIsLikeTheExitButton() {
        QFETCH(int, window);
        QWidget* closed = rig->simulator->windows()[static_cast<std::size_t>(window)];
        rig->state().running = true;
        QVERIFY(!closed->close());
        QVERIFY(!rig->state().running);
        QVERIFY(closed->isVisible());
        QCOMPARE(rig->endings, 0);
        QVERIFY(!closed->close());
        QCOMPARE(rig->endings, 1);
    }

    void theSliderSetsTheSpeedEvenDuringARun() {
        auto* slider = rig->find<QSlider>(rig->funnies(), "Slider1");
        QVERIFY(slider);
        QCOMPARE(slider->value(), rig->state().robotspeed);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 50);
        const int before = slider->value();

        rig->state().running = true;
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(int(rig->state().robotspeed), before + 5);
        QVERIFY(rig->state().running);
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(int(rig->state().robotspeed), 50);
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(int(rig->state().robotspeed), 1);
    }

  private:
    std::unique_ptr<SimulatorRig> rig;
};

QTEST_MAIN(GuardsTest)
#include "guards_test.moc"
