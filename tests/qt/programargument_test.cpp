// SPDX-License-Identifier: GPL-3.0-or-later
// Started with a program file, as a double click in the file manager starts
// it: after the start-up and its sound the file is opened as the load button
// opens it, or refused with the load button's message.
#include "simulatorrig.h"

#include <QLineEdit>

#include <filesystem>

using jex::testing::SimulatorRig;

namespace {

const std::filesystem::path fixtures = JEX_FIXTURES;

QString boxtext(SimulatorRig& rig, const char* name) {
    return rig.find<QLineEdit>(rig.graphics(), name)->text();
}

} // namespace

class ProgramArgumentTest : public QObject {
    Q_OBJECT

  private slots:
    void aSavedProgramIsOpenedAfterTheStartUp() {
        SimulatorRig rig;
        rig.start(fixtures / "good" / "square.jex");
        QCOMPARE(rig.startupsounds, std::vector<std::string>{"yea"});
        QCOMPARE(rig.listing(), QStringList({" forward  10", " right  90", " function 1"}));
        QCOMPARE(boxtext(rig, "progname"), QString("square"));
        QVERIFY(!rig.notopened);
        QCOMPARE(boxtext(rig, "pf1"), QString("function 1"));
        QCOMPARE(rig.caption(rig.graphics(), "warnings"), QString());
        QVERIFY(rig.state().saved);
        // It is in memory as a loaded program is: RM brings back all of it.
        rig.click(rig.buttons(), "cm");
        rig.click(rig.buttons(), "rm");
        QCOMPARE(rig.listing().size(), 3);
    }

    void aFileThatCannotBeReadStartsAsUsualWithTheLoadButtonsMessage_data() {
        QTest::addColumn<QString>("file"); // in the fixtures' folder
        QTest::addColumn<QString>("why");  // what a terminal is told after the file's name
        QTest::newRow("not a program") << "bad/junk.jex" << ": not a number: " + QString(512, ')');
        QTest::newRow("header in other letters")
            << "bad/header-case.jex" << ": not a JEX simulator file";
        QTest::newRow("no such file") << "nowhere.jex" << "";
        QTest::newRow("a folder") << "bad" << "";
    }
    void aFileThatCannotBeReadStartsAsUsualWithTheLoadButtonsMessage() {
        QFETCH(QString, file);
        QFETCH(QString, why);
        SimulatorRig rig;
        rig.start(fixtures / file.toStdString());
        QCOMPARE(QString::fromStdString(rig.notopened.value_or("<opened>")),
                 "jex: cannot read the program file " +
                     QString::fromStdString((fixtures / file.toStdString()).string()) + why);
        QCOMPARE(rig.startupsounds, std::vector<std::string>({"yea", "nay"}));
        QCOMPARE(rig.caption(rig.graphics(), "warnings"), QString("can't open file!"));
        QCOMPARE(rig.listing(), QStringList());
        QCOMPARE(boxtext(rig, "progname"), QString("my program"));
        QCOMPARE(boxtext(rig, "myname"), QString("me"));
        QVERIFY(rig.state().saved);
    }
};

QTEST_MAIN(ProgramArgumentTest)
#include "programargument_test.moc"
