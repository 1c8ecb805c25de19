// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading through the dialogs, the question before a load, a
// program file named on the command line, the exit window, and the name boxes
// in the windows' real fonts.
#include "simulatorrig.h"

#include "files/folders.h"
#include "qt/dialogs.h"
#include "qt/exitwindow.h"
#include "qt/looks.h"
#include "qt/qtplatform.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>

using jex::testing::StartedSimulatorTest;

namespace {

const std::filesystem::path fixtures = JEX_FIXTURES;

} // namespace

class FilesTest : public StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void savedThroughTheDialogAndLoadedBack() {
        rig->press({"forwards", "five"});
        typeinto("pf1", "zig");
        const QString file =
            QString::fromStdString((*jex::programsfolder() / "me" / "walk").string());
        rig->dialogs->chosenfile = file.toStdString();
        rig->click(rig->graphics(), "save");

        // The file's bytes are the rules'; here, that the name typed reached them.
        QFile saved(file + ".jex");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\"zig\",0\r\n"));
        QCOMPARE(rig->find<QLineEdit>(rig->graphics(), "progname")->text(), QString("walk"));

        rig->click(rig->buttons(), "cm");
        typeinto("pf1", "other");
        rig->dialogs->chosenfile = (file + ".jex").toStdString();
        rig->click(rig->graphics(), "load");
        QVERIFY(rig->dialogs->questions.empty());
        QCOMPARE(rig->find<QLineEdit>(rig->graphics(), "pf1")->text(), QString("zig"));
        QCOMPARE(rig->caption(rig->program(), "nameheader"), QString("walk"));
        QCOMPARE(rig->state().store.stepcount[0], 1);
        QVERIFY(rig->sounds().empty());
    }

    void aLoadOverAnUnsavedProgramAsksFirst() {
        rig->click(rig->buttons(), "forwards");
        rig->dialogs->chosenfile.reset();
        rig->dialogs->answeryes = false;
        rig->click(rig->graphics(), "load");
        QCOMPARE(rig->dialogs->questions.size(), std::size_t{1});
        QVERIFY(rig->dialogs->asked.empty());

        rig->dialogs->answeryes = true;
        rig->click(rig->graphics(), "load");
        QCOMPARE(rig->dialogs->asked.size(), std::size_t{1});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("can't open file!"));
    }

    // Started with a program file, as a double click in the file manager
    // starts it: after the start-up and its sound the file is opened as the
    // load button opens it, or refused with the load button's message.
    void aSavedProgramIsOpenedAfterTheStartUp() {
        unstarted().start(fixtures / "good" / "square.jex");
        QCOMPARE(rig->startupsounds, std::vector<std::string>{"yea"});
        QCOMPARE(rig->listing(), QStringList({" forward  10", " right  90", " function 1"}));
        QCOMPARE(boxtext("progname"), QString("square"));
        QVERIFY(!rig->notopened);
        QCOMPARE(boxtext("pf1"), QString("function 1"));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString());
        QVERIFY(rig->state().saved);
        // It is in memory as a loaded program is: RM brings back all of it.
        rig->click(rig->buttons(), "cm");
        rig->click(rig->buttons(), "rm");
        QCOMPARE(rig->listing().size(), 3);
    }

    void aFileThatCannotBeReadStartsAsUsualWithTheLoadButtonsMessage_data() {
        QTest::addColumn<QString>("file"); // in the fixtures' folder
        QTest::addColumn<QString>("why");  // what a terminal is told after the file's name
        QTest::newRow("not a program") << "bad/junk.jex"
                                       << ": not a number: " + QString(512, ')');
        QTest::newRow("header in other letters") << "bad/header-case.jex"
                                                 << ": not a JEX simulator file";
        QTest::newRow("no such file") << "nowhere.jex"
                                      << "";
        QTest::newRow("a folder") << "bad"
                                  << "";
    }
    void aFileThatCannotBeReadStartsAsUsualWithTheLoadButtonsMessage() {
        QFETCH(QString, file);
        QFETCH(QString, why);
        unstarted().start(fixtures / file.toStdString());
        QCOMPARE(QString::fromStdString(rig->notopened.value_or("<opened>")),
                 "jex: cannot read the program file " +
                     QString::fromStdString((fixtures / file.toStdString()).string()) + why);
        QCOMPARE(rig->startupsounds, std::vector<std::string>({"yea", "nay"}));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("can't open file!"));
        QCOMPARE(rig->listing(), QStringList());
        QCOMPARE(boxtext("progname"), QString("my program"));
        QCOMPARE(boxtext("myname"), QString("me"));
        QVERIFY(rig->state().saved);
    }

    void theExitWindowAsksBeforeAnUnsavedProgramIsLeft() {
        QWidget* window = &rig->simulator->exitwindowwidget();
        rig->click(rig->buttons(), "forwards");
        rig->click(rig->program(), "exitbutton");
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(rig->endings, 0);
        QCOMPARE(rig->caption(window, "Label1"), QString("You haven't saved your program!"));
        // A screen reader hears the message as the window's name; the safe
        // button has the keyboard.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(spoken->role(), QAccessible::Window);
        QCOMPARE(spoken->text(QAccessible::Name), QString("You haven't saved your program!"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), rig->find(window, "cancel"));
        const QRect screen(0, 0, 800, 800);
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 2);
        QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 2);

        QVERIFY(!window->close()); // the window manager's close is the exit button
        QVERIFY(window->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!window->isVisible());
        rig->click(rig->program(), "exitbutton");
        rig->click(window, "cancel");
        QVERIFY(!window->isVisible());
        QCOMPARE(rig->endings, 0);

        rig->click(rig->program(), "exitbutton");
        rig->click(window, "exitanyway");
        QCOMPARE(rig->endings, 1);
    }

    void theProgramsNameIsHeldToTheWidthOfTheHeading() {
        auto* box = rig->find<QLineEdit>(rig->graphics(), "progname");
        box->clear();
        box->setFocus(); // typed into, as a pupil does; W alone is "where am I"
        QTest::keyClicks(box, QString(80, QLatin1Char('W')));
        const QFontMetricsF metrics(jex::qt::qfont(rig->state().windows.program.font));
        const double heading = rig->find<QLabel>(rig->program(), "nameheader")->width();
        QVERIFY(metrics.horizontalAdvance(box->text() + "   ") <= heading + 1);
        QVERIFY(metrics.horizontalAdvance(box->text() + "W   ") > heading - 1);
        QVERIFY(box->text().size() < 80);
        QCOMPARE(QString::fromStdString(rig->state().store.slotname[0]), box->text());
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("Too long!"));
        QCOMPARE(box->cursorPosition(), box->text().size());
    }

    void aDoubleQuoteIsDroppedAndTheCaretStaysPut() {
        auto* box = rig->find<QLineEdit>(rig->graphics(), "pf2");
        box->setFocus();
        box->setCursorPosition(2);
        QTest::keyClicks(box, "\"x");
        QCOMPARE(box->text(), QString("fuxnction 2"));
        QCOMPARE(box->cursorPosition(), 3);
        QCOMPARE(rig->state().store.slotname[2], std::string("fuxnction 2"));
    }

    // Names typed one letter at a time as an input method sends them, or
    // pasted: a letter the file cannot hold shows at once as the file will
    // keep it, the caret after it.
    void everyNameShowsAsTheFileWillKeepIt() {
        const struct {
            const char* box;
            QString typed;
            QString shown;
            bool pasted;
        } names[] = {
            {"myname", QString::fromUtf8("Łucja Ŵyn"), "Lucja Wyn", false},
            {"pf1", QString::fromUtf8("Řepa Νίκος 😀"), "Repa  ", true},
        };
        for (const auto& name : names) {
            auto* box = rig->find<QLineEdit>(rig->graphics(), name.box);
            box->setFocus();
            box->selectAll();
            if (name.pasted) {
                QApplication::clipboard()->setText(name.typed);
                box->paste();
            } else {
                typeeach(box, name.typed);
            }
            QCOMPARE(box->text(), name.shown);
            QCOMPARE(box->cursorPosition(), name.shown.size());
        }
    }

  private:
    QString boxtext(const char* name) {
        return rig->find<QLineEdit>(rig->graphics(), name)->text();
    }

    // Characters no key of the keyboard gives, typed one by one as an input
    // method sends them.
    static void typeeach(QWidget* box, const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void typeinto(const char* name, const char* text) {
        auto* box = rig->find<QLineEdit>(rig->graphics(), name);
        QVERIFY(box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
