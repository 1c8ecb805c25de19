// SPDX-License-Identifier: GPL-3.0-or-later
// F1 opens the help window from any of the four windows, even while the
// robot runs, and the run goes on as if nothing had happened.
#include "simulatorrig.h"

#include "qt/helpwindow.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTextDocument>
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
        // Each part of the page: a key and what it does, the keyboard's keys,
        // the tools.
        for (const QString& said : {QString("The robot's keys"), QString("0 to 9"),
                                    QString("the robot turns left: type how many degrees after it"),
                                    QString("The keyboard"), QString("G or Return"),
                                    QString("The tools"), QString("pen on, pen off")})
            QVERIFY2(shown.contains(said), qPrintable(said));
        QVERIFY(rig->sounds().empty());
        // Pressed again, it is the same window.
        QTest::keyClick(rig->buttons(), Qt::Key_F1);
        QCOMPARE(rig->simulator->help().window(), help);
    }

    // The help reads on with the keys (a screen reader follows the caret),
    // Escape closes it, and F6 goes round it with the other windows, both
    // ways.
    void theHelpIsReadWithTheKeysAndLeftWithEscapeOrF6() {
        QTest::keyClick(rig->graphics(), Qt::Key_F1);
        jex::qt::HelpWindow* help = rig->simulator->help().window();
        QVERIFY(QTest::qWaitForWindowActive(help));
        auto* page = help->findChild<QTextBrowser*>("helppage");
        QCOMPARE(QApplication::focusWidget(), page);
        const auto caret = [page] { return page->textCursor().position(); };
        QCOMPARE(caret(), 0);
        QTest::keyClick(page, Qt::Key_Down);
        const int secondline = caret();
        QVERIFY(secondline > 0);
        QTest::keyClick(page, Qt::Key_PageDown);
        QVERIFY(caret() > secondline);
        QTest::keyClick(page, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(caret(), page->document()->characterCount() - 1);
        QVERIFY(rig->listing().isEmpty()); // no key reached the keypad

        QTest::keyClick(page, Qt::Key_F6);
        QVERIFY(QTest::qWaitForWindowActive(rig->buttons()));
        QTest::keyClick(rig->graphics(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitForWindowActive(rig->program()));
        rig->activate(rig->graphics());
        QTest::keyClick(rig->graphics(), Qt::Key_F6);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        // Without the help F6 goes round the four windows alone.
        QTest::keyClick(rig->graphics(), Qt::Key_F6);
        QVERIFY(QTest::qWaitForWindowActive(rig->buttons()));
        QTest::keyClick(rig->buttons(), Qt::Key_F6);
        QVERIFY(QTest::qWaitForWindowActive(rig->funnies()));
        QVERIFY(rig->listing().isEmpty());
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
