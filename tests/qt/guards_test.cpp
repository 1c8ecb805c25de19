// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks while a program runs only stop it; leaving the program.
#include "simulatorrig.h"

#include "core/textids.h"
#include "entry/feedback.h"
#include "entry/keys.h"
#include "qt/qtplatform.h"
#include "windows/controltable.h"

#include <QTimer>

#include <map>
#include <string_view>

using jex::testing::StartedSimulatorTest;

class GuardsTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
    // Each key and each control of the rules' table that a click works is
    // wired to its routine: clicked during a run, it stops the run and does
    // nothing else.
    void everyButtonOnlyStopsARun() {
        rig->press({"forwards", "five"});
        const QStringList listed = rig->listing();
        jex::Control& target = rig->state().windows.graphics.target; // on the drawing
        target.visible = true;
        rig->simulator->platform().syncwindows();
        const std::map<std::string_view, QWidget*> windows = {{"funnies", rig->funnies()},
                                                              {"program", rig->program()},
                                                              {"graphics", rig->graphics()}};
        int clicked = 0;
        const auto stops = [&](QWidget* window, std::string_view name) {
            rig->state().running = true;
            rig->click(window, std::string(name).c_str());
            QVERIFY2(!rig->state().running, name.data());
            ++clicked;
        };
        for (int index = 0; index < jex::keycount; ++index)
            stops(rig->buttons(), jex::keyname(static_cast<jex::Key>(index)));
        for (const jex::ControlEntry& entry : jex::controltable())
            if (entry.click && windows.count(entry.window))
                stops(windows.at(entry.window), entry.name);
        QCOMPARE(clicked, jex::keycount + 14);
        QCOMPARE(rig->listing(), listed);
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
};

QTEST_MAIN(GuardsTest)
#include "guards_test.moc"
