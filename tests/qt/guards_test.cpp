// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks while a program runs only stop it; leaving the program; the speed.
#include "simulatorrig.h"

#include "core/textids.h"
#include "entry/feedback.h"
#include "qt/qtplatform.h"

#include <QSlider>
#include <QTimer>

using jex::testing::StartedSimulatorTest;

class GuardsTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
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
             {"load", "printbutton", "save", "change1", "change2", "use1", "use2", "target"})
            QTest::newRow(name) << 3 << QString(name);
    }
    void everyButtonOnlyStopsARun() {
        QFETCH(int, window);
        QFETCH(QString, button);
        rig->press({"forwards", "five"});
        const std::string before = rig->state().windows.program.programtext.lines.front().plain;
        jex::Control& target = rig->state().windows.graphics.target; // on the drawing
        target.visible = true;
        rig->simulator->platform().syncwindows();

        rig->state().running = true;
        rig->click(rig->simulator->windows()[static_cast<std::size_t>(window)],
                   button.toLatin1().constData());
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->state().store.stepcount[0], 1);
        QCOMPARE(rig->state().windows.program.programtext.lines.front().plain, before);
        QCOMPARE(rig->state().windows.graphics.warnings.caption, std::string());
        QVERIFY(rig->sounds().empty());
        QCOMPARE(rig->endings, 0);
        QVERIFY(target.visible);
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

    // The exit button and the window manager's close of any window: the
    // first stops the run, the next ends the program.
    void exitStopsARunAndThenEndsTheProgram_data() {
        QTest::addColumn<int>("window");
        for (int window = 0; window < 4; ++window)
            QTest::addRow("closing window %d", window) << window;
        QTest::newRow("exit button") << -1;
    }
    void exitStopsARunAndThenEndsTheProgram() {
        QFETCH(int, window);
        const auto exit = [&] {
            if (window < 0) return rig->click(rig->program(), "exitbutton");
            QWidget* closed = rig->simulator->windows()[static_cast<std::size_t>(window)];
            QVERIFY(!closed->close());
            QVERIFY(closed->isVisible());
        };
        rig->state().running = true;
        exit();
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->endings, 0);
        exit();
        QCOMPARE(rig->endings, 1);
    }

    void theSliderSetsTheSpeedEvenDuringARun() {
        auto* slider = rig->find<QSlider>(rig->funnies(), "Slider1");
        QVERIFY(slider);
        QCOMPARE(slider->value(), rig->state().robotspeed);
        const int before = slider->value();

        rig->state().running = true;
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(int(rig->state().robotspeed), before + 5);
        QVERIFY(rig->state().running);
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(int(rig->state().robotspeed), 1);
    }
};

QTEST_MAIN(GuardsTest)
#include "guards_test.moc"
