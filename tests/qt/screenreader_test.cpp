// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given: windows with their titles, the listing as a
// list of rows, the status line as a notification, the pen's state, names
// that tell the controls apart (the exit window's are in files_test). What it
// is told as things change is checked on the real accessibility bus
// (tests/e2e/screenreader.sh): the offscreen screen has no bus to tell.
#include "simulatorrig.h"

#include "canvas/tools.h"
#include "core/state.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QSet>

using jex::testing::SimulatorRig;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QStringList rows(QAccessibleInterface* list) {
    QStringList read;
    for (int row = 0; row < list->childCount(); ++row)
        read << list->child(row)->text(QAccessible::Name);
    return read;
}

// Every control a pupil works, found through the screen reader's tree.
void controlsof(QAccessibleInterface* node, QList<QAccessibleInterface*>& found) {
    for (int index = 0; index < node->childCount(); ++index) {
        QAccessibleInterface* child = node->child(index);
        switch (child->role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::EditableText:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Graphic:
            found << child;
            break;
        default:
            break;
        }
        if (child->role() != QAccessible::List) controlsof(child, found);
    }
}

} // namespace

class ScreenReaderTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void theWindowsAreWindowsWithTheirTitles() {
        const QStringList titles = {"JEX keypad", "JEX tools", "JEX: listing", "JEX drawing"};
        for (int index = 0; index < 4; ++index) {
            QAccessibleInterface* window = accessible(rig->simulator->windows()[index]);
            QCOMPARE(window->role(), QAccessible::Window);
            QCOMPARE(window->text(QAccessible::Name), titles[index]);
        }
    }

    // The rows read as the lines show them; a run selects the step it is on.
    void theListingReadsAsAListOfRows() {
        QAccessibleInterface* list = accessible(rig->find(rig->program(), "programtext"));
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QString("listing"));
        QCOMPARE(list->childCount(), 0);
        rig->press({"forwards", "five", "zero", "note", "three"});
        QCOMPARE(rows(list), QStringList({"forward 50", "note 3"}));
        QCOMPARE(list->child(1)->role(), QAccessible::ListItem);
        QCOMPARE(list->indexOfChild(list->child(1)), 1);
        QCOMPARE(list->child(1)->parent(), list);
        QVERIFY(!list->child(0)->state().selected);

        QList<bool> selectedasnoteplays;
        rig->watchsounds([&](std::string_view sound) {
            if (sound != "note3") return;
            for (int row = 0; row < list->childCount(); ++row)
                selectedasnoteplays << bool(list->child(row)->state().selected);
        });
        rig->press({"go"});
        QCOMPARE(selectedasnoteplays, QList<bool>({false, true}));

        rig->press({"ce"});
        QCOMPARE(rows(list), QStringList{"forward 50"});
        QCOMPARE(list->child(1), nullptr);
    }

    // The status line is a notification named by its message.
    void theStatusLineIsANotification() {
        QAccessibleInterface* status = accessible(rig->find(rig->graphics(), "warnings"));
        QCOMPARE(status->role(), QAccessible::Notification);
        rig->press({"seven"});
        QCOMPARE(status->text(QAccessible::Name), QString("expecting a command!"));
        // The phrases have a notification of their own beside it, and the
        // status line shows what it showed.
        rig->press({"forwards", "five", "zero"});
        QAccessibleInterface* spoken = accessible(rig->find(rig->graphics(), "spoken"));
        QVERIFY(spoken);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        QCOMPARE(spoken->text(QAccessible::Name), QString("forward 50"));
        QCOMPARE(rig->find<QLabel>(rig->graphics(), "warnings")->text(), QString());
        QCOMPARE(rig->find(rig->graphics(), "spoken")->size(), QSize(0, 0));
    }

    void thePenButtonsSayWhichHolds() {
        auto* on = rig->find<QAbstractButton>(rig->funnies(), "penon");
        auto* off = rig->find<QAbstractButton>(rig->funnies(), "penoff");
        for (int round = 0; round < 2; ++round) {
            for (QAbstractButton* pressed : {off, off, on, on}) {
                QTest::mouseClick(pressed, Qt::LeftButton);
                const bool down = jex::pendown(rig->state());
                QCOMPARE(down, pressed == on);
                QVERIFY(accessible(on)->state().checkable);
                QCOMPARE(bool(accessible(on)->state().checked), down);
                QCOMPARE(bool(accessible(off)->state().checked), !down);
            }
        }
    }

    // No control without a name, no two alike in one window; the read-outs
    // are labelled by the words above them.
    void everyControlHasANameOfItsOwn() {
        for (QWidget* window : rig->simulator->windows()) {
            QList<QAccessibleInterface*> controls;
            controlsof(accessible(window), controls);
            QVERIFY(controls.size() >= 2);
            QSet<QString> names;
            for (QAccessibleInterface* control : controls) {
                const QString name = control->text(QAccessible::Name);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(window->windowTitle()));
                QVERIFY2(!name.trimmed().endsWith(" or"), qPrintable(name));
                QVERIFY2(!names.contains(name), qPrintable(window->windowTitle() + ": " + name));
                names << name;
            }
        }
        for (const auto& [window, label, value, words] :
             {std::tuple{rig->funnies(), "xheading", "JEXX", "X value"},
              std::tuple{rig->funnies(), "yheading", "JEXY", "Y value"},
              std::tuple{rig->funnies(), "angleheading", "JEXangle", "heading"},
              std::tuple{rig->funnies(), "speed", "Slider1", "speed"},
              std::tuple{rig->graphics(), "mname", "myname", "my name"}}) {
            const auto labels = accessible(rig->find(window, value))->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first, accessible(rig->find(window, label)));
            QCOMPARE(labels.first().first->text(QAccessible::Name), QString(words));
        }
        QCOMPARE(accessible(rig->find(rig->graphics(), "Picture1"))->text(QAccessible::Name),
                 QString("drawing area"));
        QCOMPARE(accessible(rig->find(rig->buttons(), "ce"))->text(QAccessible::Name),
                 QString("CE, rub out the last step"));
        QAccessibleInterface* title = accessible(rig->find(rig->program(), "nameheader"));
        QCOMPARE(title->text(QAccessible::Name), QString("program name: none"));
    }

    // The target on the drawing says where it lies.
    void theTargetOnTheDrawingIsNamedWithItsPlace() {
        rig->click(rig->funnies(), "target");
        const jex::JexState& state = rig->state();
        QVERIFY(state.windows.graphics.target.visible);
        QCOMPARE(
            accessible(rig->find(rig->graphics(), "target"))->text(QAccessible::Name),
            QString("target on the drawing at X %1, Y %2").arg(state.targetx).arg(state.targety));
        QCOMPARE(accessible(rig->find(rig->funnies(), "target"))->text(QAccessible::Name),
                 QString("target"));
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screenreader_test.moc"
