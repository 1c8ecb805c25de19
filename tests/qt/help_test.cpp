// SPDX-License-Identifier: GPL-3.0-or-later
// F1 opens the help window from any of the four windows, even while the
// robot runs, and the run goes on as if nothing had happened.
#include "simulatorrig.h"

#include "qt/helpwindow.h"

#include <QTimer>

#include <memory>

class HelpTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void f1OpensTheHelpWithTheKeysTheKeyboardAndTheTools() {
        QVERIFY(!rig->simulator->help().window());
        QTest::keyClick(rig->graphics(), Qt::Key_F1);
        jex::qt::HelpWindow* help = rig->simulator->help().window();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        QCOMPARE(help->windowTitle(), QString("JEX help"));
        const QString shown = help->shown();
        for (const QString& said :
             {QString("The robot's keys"), QString("0 to 9"), QString("turn left"),
              QString("the robot turns left: type how many degrees after it"),
              QString("The keyboard"), QString("The tools"), QString("pen on, pen off"),
              QString("right click on the drawing"), QString("G or Return"), QString("Up or F")})
            QVERIFY2(shown.contains(said), qPrintable(said));
        QVERIFY(rig->sounds().empty());
        // Pressed again, it is the same window.
        QTest::keyClick(rig->buttons(), Qt::Key_F1);
        QCOMPARE(rig->simulator->help().window(), help);
    }

    void f1DuringARunLeavesTheRunGoingToItsEnd() {
        auto pressedwhilerunning = std::make_shared<bool>(false);
        QTimer::singleShot(0, rig->buttons(), [this, pressedwhilerunning] {
            *pressedwhilerunning = rig->state().running;
            QTest::keyClick(rig->funnies(), Qt::Key_F1);
        });
        rig->press({"pause", "three", "go"});
        QVERIFY(*pressedwhilerunning);
        QVERIFY(rig->simulator->help().window()->isVisible());
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("finished!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"yea"});
        // Nothing was keyed: the listing holds the one pause step.
        QCOMPARE(rig->listing().size(), 1);
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
