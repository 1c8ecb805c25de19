// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad worked from the computer's keyboard, the text boxes that keep
// their keys, and the names a screen reader announces.
#include "simulatorrig.h"

#include "entry/keys.h"
#include "qt/keyboardkeys.h"
#include "qt/keybutton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

using jex::Key;
using jex::testing::SimulatorRig;

Q_DECLARE_METATYPE(Key)

namespace {

jex::qt::KeyButton* keybutton(SimulatorRig& rig, Key key) {
    return rig.find<jex::qt::KeyButton>(rig.buttons(), jex::keyname(key).data());
}

// A key event as the windowing system delivers it, through the application
// and so through anything that watches the application's events.
void send(QWidget* widget, QEvent::Type type, int key,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autorepeat = false) {
    const QString text = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde && !modifiers
                             ? QString(QChar(key)).toLower()
                             : QString();
    QKeyEvent event(type, key, modifiers, text, autorepeat);
    QApplication::sendEvent(widget, &event);
}

void type(QWidget* widget, std::initializer_list<int> keys,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int key : keys) {
        send(widget, QEvent::KeyPress, key, modifiers);
        send(widget, QEvent::KeyRelease, key, modifiers);
    }
}

} // namespace

class KeyboardTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void everyKeypadKeyHasAKeyboardKey() {
        for (int index = 0; index < jex::keycount; ++index)
            QVERIFY(!jex::qt::keyboardkeysfor(static_cast<Key>(index)).empty());
    }

    // Each keyboard key holds its keypad key down while it is held, clicks it
    // once when it is let go, and touches no other key.
    void aKeyboardKeyPressesItsKeypadKeyAsAClickDoes_data() {
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Key>("keypad");
        for (int index = 0; index < jex::keycount; ++index) {
            const Key key = static_cast<Key>(index);
            for (Qt::Key keyboard : jex::qt::keyboardkeysfor(key))
                QTest::addRow("%s by %s", jex::keyname(key).data(),
                              qPrintable(QKeySequence(keyboard).toString()))
                    << int(keyboard) << Qt::KeyboardModifiers() << key;
        }
        QTest::newRow("seven on the number pad")
            << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier) << Key::seven;
    }
    void aKeyboardKeyPressesItsKeypadKeyAsAClickDoes() {
        QFETCH(int, keyboard);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Key, keypad);
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        for (int index = 0; index < jex::keycount; ++index)
            clicks.push_back(std::make_unique<QSignalSpy>(keybutton(*rig, static_cast<Key>(index)),
                                                          &QAbstractButton::clicked));
        const auto clicked = [&] {
            QList<int> counts;
            for (const auto& spy : clicks)
                counts << int(spy->count());
            return counts;
        };
        QList<int> none(jex::keycount, 0);
        QList<int> once = none;
        once[jex::keyindex(keypad)] = 1;

        send(rig->buttons(), QEvent::KeyPress, keyboard, modifiers);
        QVERIFY(keybutton(*rig, keypad)->isDown());
        QCOMPARE(clicked(), none);
        // Held down, the key does not repeat.
        send(rig->buttons(), QEvent::KeyRelease, keyboard, modifiers, true);
        send(rig->buttons(), QEvent::KeyPress, keyboard, modifiers, true);
        QVERIFY(keybutton(*rig, keypad)->isDown());
        QCOMPARE(clicked(), none);
        send(rig->buttons(), QEvent::KeyRelease, keyboard, modifiers);
        QVERIFY(!keybutton(*rig, keypad)->isDown());
        QCOMPARE(clicked(), once);
    }

    void aProgramKeyedOnTheKeyboardIsListedAsIfClicked() {
        // Other keys and shortcuts press nothing.
        type(rig->buttons(), {Qt::Key_Up}, Qt::ControlModifier);
        type(rig->buttons(), {Qt::Key_G}, Qt::AltModifier);
        type(rig->buttons(), {Qt::Key_Q, Qt::Key_F5, Qt::Key_Space});
        QCOMPARE(rig->listing(), QStringList());
        QVERIFY(rig->sounds().empty());

        QString shown; // the refusal is on the screen while its sound plays
        rig->watchsounds(
            [&](std::string_view) { shown = rig->caption(rig->graphics(), "warnings"); });
        type(rig->buttons(), {Qt::Key_7});
        QCOMPARE(shown, QString("expecting a command!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
        // Keys reach the keypad from whichever of the windows has the keyboard.
        type(rig->graphics(), {Qt::Key_Up, Qt::Key_1, Qt::Key_0, Qt::Key_0});
        type(rig->funnies(), {Qt::Key_R, Qt::Key_4, Qt::Key_Right, Qt::Key_9, Qt::Key_0});
        type(rig->program(), {Qt::Key_E, Qt::Key_Backspace});
        QCOMPARE(rig->listing(), QStringList({" forward  100", " repeat  4", "  right  90"}));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString());
        type(rig->buttons(), {Qt::Key_Delete});
        QCOMPARE(rig->listing(), QStringList());
        // Back as it was after the last complete entry, the end step.
        type(rig->buttons(), {Qt::Key_Insert});
        QCOMPARE(rig->listing(),
                 QStringList({" forward  100", " repeat  4", "  right  90", " end "}));
    }

    // The run goes on inside the GO key's click, so the next key press
    // reaches the rules from within it, as a click does: it stops the run.
    void aKeyPressedDuringARunStopsIt() {
        type(rig->buttons(), {Qt::Key_Up, Qt::Key_9, Qt::Key_9});
        QTimer::singleShot(300, rig->buttons(), [this] {
            QVERIFY(rig->state().running);
            type(rig->buttons(), {Qt::Key_5});
        });
        type(rig->buttons(), {Qt::Key_G});
        QVERIFY(!rig->state().running);
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("stopped!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
        QCOMPARE(rig->listing(), QStringList{" forward  99"});
    }

    // Only a box the pupil clicks into takes the keys, and keys typed into it
    // stay in it; a window that becomes active gives no box the cursor.
    void aNameBoxTakesTheKeysOnlyOnceChosen() {
        rig->graphics()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig->graphics()));
        QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        type(QApplication::focusWidget(), {Qt::Key_Up, Qt::Key_5});
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
        const jex::ProgramStore before = rig->state().store;

        auto* box = rig->find<QLineEdit>(rig->graphics(), "progname");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box);
        box->clear();
        QTest::keyClicks(box, "Go Fred 123");
        type(box, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Backspace,
                   Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Return});
        QCOMPARE(box->text(), QString("Go Fred 12"));
        QVERIFY(rig->state().store.stepcount == before.stepcount);
        QVERIFY(rig->state().store.commands == before.commands);
        QVERIFY(rig->state().store.arguments == before.arguments);
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
        for (int index = 0; index < jex::keycount; ++index)
            QVERIFY(!keybutton(*rig, static_cast<Key>(index))->isDown());
        QVERIFY(rig->sounds().empty());

        // Clicking the drawing area takes the cursor out of the box again.
        QTest::mouseClick(rig->find(rig->graphics(), "Picture1"), Qt::LeftButton);
        QVERIFY(!box->hasFocus());
        type(QApplication::focusWidget(), {Qt::Key_Delete});
        QCOMPARE(rig->listing(), QStringList());
    }

    void everyControlHasANameToAnnounceAndEveryKeyItsKeyboardKey() {
        for (QWidget* window : rig->simulator->windows()) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool usable =
                    qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                    qobject_cast<QSlider*>(control) || control->objectName() == "programtext" ||
                    control->objectName() == "Picture1";
                if (!usable) continue;
                QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(spoken, qPrintable(control->objectName()));
                QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(window->windowTitle() + " " + control->objectName()));
            }
        }
        QCOMPARE(keybutton(*rig, Key::go)->toolTip(), QString("go: G or Return or Enter"));
        QCOMPARE(keybutton(*rig, Key::leftbutton)->toolTip(), QString("turn left: Left"));
        QCOMPARE(keybutton(*rig, Key::ce)->accessibleName(), QString("CE, rub out the last step"));
        for (int index = 0; index < jex::keycount; ++index) {
            const Key key = static_cast<Key>(index);
            QVERIFY(keybutton(*rig, key)->toolTip().endsWith(jex::qt::keyboardkeysname(key)));
        }
        QCOMPARE(rig->find(rig->graphics(), "use2")->accessibleName(), QString("use function 2"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
