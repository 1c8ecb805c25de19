// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad worked from the computer's keyboard, the text boxes that keep
// their keys, and the keys' tool tips.
#include "simulatorrig.h"

#include "canvas/tools.h"
#include "entry/keys.h"
#include "qt/keyboardkeys.h"
#include "qt/keybutton.h"
#include "qt/listingview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

using jex::Key;
using jex::qt::KeyButton;
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

// A key event that also carries the physical key, as X11 delivers it.
void sendphysical(QWidget* widget, QEvent::Type type, int key, quint32 scancode,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(type, key, modifiers, scancode, 0, 0, text);
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
    // Each keypad key has a keyboard key; each keyboard key holds its keypad
    // key down while it is held, clicks it once when it is let go, and touches
    // no other key.
    void aKeyboardKeyPressesItsKeypadKeyAsAClickDoes_data() {
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Key>("keypad");
        for (int index = 0; index < jex::keycount; ++index) {
            const Key key = static_cast<Key>(index);
            QVERIFY(!jex::qt::keyboardkeysfor(key).empty());
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
        type(rig->funnies(), {Qt::Key_X, Qt::Key_4, Qt::Key_Right, Qt::Key_9, Qt::Key_0});
        type(rig->program(), {Qt::Key_E, Qt::Key_Backspace});
        QCOMPARE(rig->listing(), QStringList({" forward  100", " repeat  4", "  right  90"}));
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString());
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
        rig->activate(rig->graphics());
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

    void everyKeyNamesItsKeyboardKeys() {
        QCOMPARE(keybutton(*rig, Key::go)->toolTip(), QString("go: G or Return or Enter"));
        QCOMPARE(keybutton(*rig, Key::leftbutton)->toolTip(), QString("turn left: Left or L"));
        QCOMPARE(keybutton(*rig, Key::ce)->accessibleName(), QString("CE, rub out the last step"));
        for (int index = 0; index < jex::keycount; ++index) {
            const Key key = static_cast<Key>(index);
            QVERIFY(keybutton(*rig, key)->toolTip().endsWith(jex::qt::keyboardkeysname(key)));
        }
        QCOMPARE(rig->find(rig->graphics(), "use2")->accessibleName(), QString("use function 2"));
    }

    // Key codes the table does not hold (a layout switch, extra keys,
    // braille keys arrive as 0) press nothing, and no key's list of keyboard
    // keys has an empty one in it.
    void unknownKeyCodesPressNothing() {
        QCOMPARE(jex::qt::keyboardkeysfor(Key::seven), std::vector<Qt::Key>{Qt::Key_7});
        QCOMPARE(keybutton(*rig, Key::seven)->toolTip(), QString("seven: 7"));
        type(rig->buttons(), {Qt::Key_Up});
        const QStringList forward = rig->listing();
        for (int unknown : {0, int(Qt::Key_unknown), int(Qt::Key_Launch0), int(Qt::Key_Space)}) {
            send(rig->buttons(), QEvent::KeyPress, unknown);
            send(rig->buttons(), QEvent::KeyRelease, unknown);
        }
        QCOMPARE(rig->listing(), forward);
        QVERIFY(rig->sounds().empty());
        for (int index = 0; index < jex::keycount; ++index)
            QVERIFY(!keybutton(*rig, static_cast<Key>(index))->isDown());
    }

    // Shift pressed while a digit is held changes the key code of its
    // release; the physical key is the same, so the press is entered.
    void aKeyLetGoAfterShiftIsEnteredAndNotLeftDown() {
        constexpr quint32 two = 11, shift = 50, forwardsscan = 111;
        sendphysical(rig->buttons(), QEvent::KeyPress, Qt::Key_Up, forwardsscan);
        sendphysical(rig->buttons(), QEvent::KeyRelease, Qt::Key_Up, forwardsscan);
        sendphysical(rig->buttons(), QEvent::KeyPress, Qt::Key_2, two);
        QVERIFY(keybutton(*rig, Key::two)->isDown());
        sendphysical(rig->buttons(), QEvent::KeyPress, Qt::Key_Shift, shift, Qt::ShiftModifier);
        sendphysical(rig->buttons(), QEvent::KeyRelease, Qt::Key_At, two, Qt::ShiftModifier);
        sendphysical(rig->buttons(), QEvent::KeyRelease, Qt::Key_Shift, shift);
        QVERIFY(!keybutton(*rig, Key::two)->isDown());
        QCOMPARE(rig->listing(), QStringList{" forward  2"});
    }

    // Where the layout types another alphabet, or accented letters on the
    // digits' row, the keys printed with the Latin letters and the digits
    // still work; a plain character of the layout keeps its own meaning.
    void theKeysKeepTheirPlaceWhateverTheLayout() {
        struct Typed {
            int key;
            quint32 place;
            QString text;
        };
        const Typed cyrillicA{0x0410, 41, QString(QChar(0x0430))};      // where F lies
        const Typed eacute{Qt::Key_Eacute, 11, QString(QChar(0x00e9))}; // French, on the 2
        const Typed comma{Qt::Key_Comma, 58, QStringLiteral(",")};      // French, where M lies
        for (const Typed& typed : {cyrillicA, eacute, comma}) {
            sendphysical(rig->buttons(), QEvent::KeyPress, typed.key, typed.place, {}, typed.text);
            sendphysical(rig->buttons(), QEvent::KeyRelease, typed.key, typed.place, {},
                         typed.text);
        }
        QCOMPARE(rig->listing(), QStringList{" forward  2"});
        QVERIFY(!jex::qt::keypadkeyat(0));
        // Every key lies where a PC keyboard has it: X numbers the digits'
        // row from 10, the letters' rows from 24, 38 and 52.
        for (const auto& [first, row] : {std::pair{10, "1234567890"}, {24, "QWERTYUIOP"},
                                         {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}})
            for (int at = 0; row[at]; ++at)
                QCOMPARE(jex::qt::keypadkeyat(quint32(first + at)), jex::qt::keypadkeyfor(row[at]));
    }

    // Return and Enter press the button reached with Tab, except on the
    // keypad, where they are GO whichever key Tab left the keyboard on.
    void returnPressesTheFocusedButtonButIsGoOnTheKeypad_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void returnPressesTheFocusedButtonButIsGoOnTheKeypad() {
        QFETCH(int, key);
        rig->activate(rig->funnies());
        for (const char* pen : {"penon", "penoff", "penon"}) {
            auto* button = rig->find<QAbstractButton>(rig->funnies(), pen);
            button->setFocus(Qt::TabFocusReason);
            type(button, {key});
            QCOMPARE(jex::pendown(rig->state()), QByteArray(pen) == "penon");
            QVERIFY(!button->isDown());
        }
        QVERIFY(rig->sounds().empty()); // no run was started

        rig->activate(rig->buttons());
        type(rig->buttons(), {Qt::Key_F, Qt::Key_3});
        KeyButton* eight = keybutton(*rig, Key::eight);
        eight->setFocus(Qt::TabFocusReason);
        type(eight, {key});
        QVERIFY(!eight->isDown());
        QCOMPARE(rig->listing(), QStringList{" forward  3"});
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("finished!"));
        QTest::keyClick(eight, Qt::Key_Space);
        QCOMPARE(rig->listing(), QStringList{" forward  38"});
    }

    // Tab goes through the drawing's window as a pupil reads it: left to
    // right along a row, then the row below.
    void tabGoesThroughTheDrawingsWindowRowByRow() {
        rig->click(rig->funnies(), "target");
        rig->activate(rig->graphics());
        QWidget* first = rig->find(rig->graphics(), "progname");
        first->setFocus(Qt::TabFocusReason);
        QStringList reached{first->objectName()};
        for (QWidget* at = first;;) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (at == first || reached.size() > 20) break;
            reached << at->objectName();
        }
        QCOMPARE(reached, QStringList({"progname", "myname", "target", "load", "printbutton",
                                       "save", "pf2", "pf1", "change2", "use2", "change1",
                                       "use1"}));
    }

    // Space on the target takes it away and the keyboard stays with the
    // drawing's window: the next key is the keypad's, not the name box's.
    void takingTheTargetAwayKeepsTheKeyboardWhereItWas() {
        rig->click(rig->funnies(), "target");
        rig->activate(rig->graphics());
        auto* target = rig->find<QAbstractButton>(rig->graphics(), "target");
        QVERIFY(target->isVisible());
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key_Space);
        QVERIFY(!rig->state().windows.graphics.target.visible);
        QCOMPARE(QApplication::focusWidget(), rig->graphics());
        type(QApplication::focusWidget(), {Qt::Key_F, Qt::Key_5});
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
        QCOMPARE(rig->state().store.slotname[0], std::string("my program"));
    }

    // The Menu key (which the windowing system turns into a request for the
    // menu of what has the keyboard) and Shift+F10 open the drawing's menu.
    void theMenuKeyAndShiftF10OpenTheDrawingsMenu_data() {
        QTest::addColumn<bool>("menukey");
        QTest::addColumn<bool>("ontarget");
        QTest::newRow("Menu key") << true << false;
        QTest::newRow("Shift+F10") << false << false;
        QTest::newRow("Menu key on the target") << true << true;
        QTest::newRow("Shift+F10 on the target") << false << true;
    }
    void theMenuKeyAndShiftF10OpenTheDrawingsMenu() {
        QFETCH(bool, menukey);
        QFETCH(bool, ontarget);
        rig->click(rig->funnies(), "target");
        rig->activate(rig->graphics());
        if (ontarget) rig->find(rig->graphics(), "target")->setFocus(Qt::TabFocusReason);
        QStringList offered;
        QTimer::singleShot(0, rig->graphics(), [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions())
                offered << action->text();
            menu->close();
        });
        QWidget* focus = QApplication::focusWidget();
        if (menukey) {
            QContextMenuEvent asked(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                    focus->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(focus, &asked);
        } else {
            type(focus, {Qt::Key_F10}, Qt::ShiftModifier);
        }
        QCoreApplication::processEvents();
        QCOMPARE(offered, QStringList({"copy picture", "save picture…", "save page…"}));
        QVERIFY(rig->state().windows.graphics.target.visible);
    }

    // A key held down in a full name box repeats, and every repeat is
    // refused: the failure sound plays once for the burst, not once a key.
    void aKeyHeldInAFullNameBoxSoundsOnce() {
        auto* box = rig->find<QLineEdit>(rig->graphics(), "myname");
        QTest::mouseClick(box, Qt::LeftButton);
        box->clear();
        while (rig->sounds().empty() && box->text().size() < 200)
            QTest::keyClick(box, Qt::Key_W);
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
        const QString full = box->text();
        for (int repeat = 0; repeat < 20; ++repeat)
            send(box, QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, true);
        send(box, QEvent::KeyRelease, Qt::Key_W);
        QCOMPARE(box->text(), full);
        QCOMPARE(rig->caption(rig->graphics(), "warnings"), QString("Too long!"));
        QCOMPARE(rig->sounds(), std::vector<std::string>{"nay"});
    }

    // The slider chosen takes its own keys; the keypad's other keys still
    // reach the keypad.
    void theFocusedSliderTakesItsOwnKeys() {
        rig->activate(rig->funnies());
        auto* slider = rig->find<QSlider>(rig->funnies(), "Slider1");
        slider->setFocus(Qt::TabFocusReason);
        const int speed = rig->state().windows.funnies.Slider1.value;
        type(slider, {Qt::Key_Right});
        QCOMPARE(rig->state().windows.funnies.Slider1.value, speed + 1);
        type(slider, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left});
        QCOMPARE(rig->state().windows.funnies.Slider1.value, speed);
        type(slider, {Qt::Key_End});
        QCOMPARE(rig->state().windows.funnies.Slider1.value, 50);
        type(slider, {Qt::Key_PageDown});
        QCOMPARE(rig->state().windows.funnies.Slider1.value, 45);
        type(slider, {Qt::Key_Home});
        QCOMPARE(rig->state().windows.funnies.Slider1.value, 1);
        QCOMPARE(rig->listing(), QStringList());
        type(slider, {Qt::Key_F, Qt::Key_8});
        QCOMPARE(rig->listing(), QStringList{" forward  8"});
    }

    // Return, Enter and Escape end the typing in a name box: the digits that
    // follow are the keypad's.
    void aNameBoxGivesTheKeysBack_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void aNameBoxGivesTheKeysBack() {
        QFETCH(int, key);
        auto* box = rig->find<QLineEdit>(rig->graphics(), "myname");
        QTest::mouseClick(box, Qt::LeftButton);
        box->clear();
        QTest::keyClicks(box, "Sam");
        type(box, {key});
        QVERIFY(!box->hasFocus());
        type(QApplication::focusWidget(), {Qt::Key_F, Qt::Key_1, Qt::Key_0, Qt::Key_0});
        QCOMPARE(box->text(), QString("Sam"));
        QCOMPARE(rig->listing(), QStringList{" forward  100"});
        QVERIFY(rig->sounds().empty());
    }

    // In the listing's window the arrows, Home and End read the listing and
    // key nothing, W says where the robot is, the other keys still key the
    // program, and Escape gives the arrows back to the keypad.
    void theListingTakesTheArrowsWhileItHasTheKeyboard() {
        rig->activate(rig->buttons());
        type(rig->buttons(), {Qt::Key_F, Qt::Key_5, Qt::Key_0, Qt::Key_R, Qt::Key_9, Qt::Key_0});
        const QStringList keyed{" forward  50", " right  90"};
        rig->activate(rig->program());
        auto* listing = rig->find<jex::qt::ListingView>(rig->program(), "programtext");
        // Wherever the focus is in the listing's window, Down reads the
        // listing and gives it the keyboard.
        type(rig->program(), {Qt::Key_Down});
        QCOMPARE(QApplication::focusWidget(), listing);
        QCOMPARE(listing->highlightedrow(), 0);
        for (const auto& [key, row] : {std::pair{Qt::Key_Down, 1},
                                       {Qt::Key_Up, 0}, {Qt::Key_End, 1}, {Qt::Key_Home, 0}}) {
            type(listing, {key});
            QCOMPARE(listing->highlightedrow(), row);
        }
        type(listing, {Qt::Key_W});
        QCOMPARE(rig->listing(), keyed);
        type(listing, {Qt::Key_N, Qt::Key_3});
        QCOMPARE(rig->listing(), keyed + QStringList{" note  3"});
        type(listing, {Qt::Key_Escape});
        QVERIFY(!listing->hasFocus());
        type(rig->buttons(), {Qt::Key_Down});
        QCOMPARE(rig->listing().size(), 4);
        QVERIFY(rig->sounds().empty());
    }

    // F6 and Shift+F6 go round the four windows, both ways.
    void f6MovesBetweenTheWindows() {
        rig->activate(rig->buttons());
        const std::array<QWidget*, 4> order = rig->simulator->windows();
        for (std::size_t step = 1; step <= order.size(); ++step) {
            send(QApplication::activeWindow(), QEvent::KeyPress, Qt::Key_F6);
            send(QApplication::activeWindow(), QEvent::KeyRelease, Qt::Key_F6);
            QVERIFY(QTest::qWaitForWindowActive(order[step % order.size()]));
        }
        send(QApplication::activeWindow(), QEvent::KeyPress, Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitForWindowActive(order.back()));
        QCOMPARE(rig->listing(), QStringList());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
