// SPDX-License-Identifier: GPL-3.0-or-later
// Keying a program in on the keypad window and reading what the listing and
// the status line show.
#include "simulatorrig.h"

using jex::testing::SimulatorRig;

class KeypadTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        rig = std::make_unique<SimulatorRig>();
        rig->start();
    }
    void cleanup() { rig.reset(); }

    void forwardsOneHundredIsListedUnderTheSlotName() {
        rig->press({"forwards", "one", "zero", "zero"});
        QCOMPARE(rig->listing(), QStringList{" forward  100"});
        QCOMPARE(rig->caption(rig->program(), "nameheader"), QString("my program"));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString());
        QVERIFY(rig->sounds().empty());
    }

    void aRefusedKeyShowsItsMessageWithTheFailureSound() {
        rig->press({"forwards", "backwards"});
        QCOMPARE(rig->listing(), QStringList{" forward "});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("expecting a number!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});

        // The message stays until the next edit that succeeds.
        rig->press({"zero"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("expecting a number!"));
        rig->press({"five"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString());
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
    }

    void theMessageIsOnTheScreenWhileTheSoundPlays() {
        QString shown;
        rig->watchsounds(
            [&](std::string_view) { shown = rig->caption(rig->graphics(), "warnings"); });
        rig->press({"seven"});
        QCOMPARE(shown, QString("expecting a command!"));
    }

    void cmClearsAndRmBringsTheProgramBack() {
        rig->press({"forwards", "five", "cm"});
        QCOMPARE(rig->listing(), QStringList());
        rig->press({"rm"});
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
        rig->press({"cm", "cm"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("Nothing to rub out!"));
    }

    void goWithAnOpenRepeatIsRefused() {
        rig->press({"repeat", "two", "flash", "one", "go"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("No matching END!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->listing(), QStringList({" repeat  2", "  flash  1"}));
    }

    void theListingBoxSpacesLinesAsTheFontAsks() {
        // 18 points, 1.2 lines of 20 twips to the point, 15 twips a pixel.
        auto* box = rig->find<jex::qt::ListingView>(rig->program(), "programtext");
        QVERIFY(box);
        QCOMPARE(box->linespacing(), 1.2 * 18 * 20 / 15);
        QCOMPARE(box->font().family(), QString("DejaVu Sans"));
        QCOMPARE(box->font().pointSizeF(), 18.0);
    }

  private:
    std::unique_ptr<SimulatorRig> rig;
};

QTEST_MAIN(KeypadTest)
#include "keypad_test.moc"
