// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad worked from the computer's keyboard, the text boxes that keep
// their keys, and the keys' tool tips. F1 opens the help window from any of
// the four windows, even while the robot runs, and the run goes on as if
// nothing had happened.
#include "simulatorrig.h"

#include "canvas/tools.h"
#include "entry/keys.h"
#include "qt/helpwindow.h"
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
#include <QTextBrowser>
#include <QTextDocument>
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
    // Every keyboard key of the rules' table (and the number pad's digits)
    // holds its keypad key down while it is held, without repeating, and
    // clicks it, and no other, once when it is let go. Each key names its
    // keyboard keys in its tool tip.
    void everyKeyboardKeyPressesItsKeypadKeyAsAClickDoes() {
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        for (int index = 0; index < jex::keycount; ++index)
            clicks.push_back(std::make_unique<QSignalSpy>(keybutton(*rig, static_cast<Key>(index)),
                                                          &QAbstractButton::clicked));
        int pressed = 0;
        const auto press = [&](Key keypad, int keyboard, Qt::KeyboardModifiers modifiers) {
            const QByteArray name = jex::keyname(keypad).data() + QByteArray(" by ") +
                                    QKeySequence(keyboard).toString().toLatin1();
            const QSignalSpy& spy = *clicks[std::size_t(jex::keyindex(keypad))];
            const qsizetype before = spy.count();
            send(rig->buttons(), QEvent::KeyPress, keyboard, modifiers);
            send(rig->buttons(), QEvent::KeyRelease, keyboard, modifiers, true);
            send(rig->buttons(), QEvent::KeyPress, keyboard, modifiers, true);
            QVERIFY2(keybutton(*rig, keypad)->isDown(), name);
            QVERIFY2(spy.count() == before, name);
            send(rig->buttons(), QEvent::KeyRelease, keyboard, modifiers);
            QVERIFY2(!keybutton(*rig, keypad)->isDown(), name);
            QVERIFY2(spy.count() == before + 1, name);
            ++pressed;
        };
        for (int index = 0; index < jex::keycount; ++index) {
            const Key key = static_cast<Key>(index);
            QVERIFY(!jex::qt::keyboardkeysfor(key).empty());
            for (Qt::Key keyboard : jex::qt::keyboardkeysfor(key))
                press(key, keyboard, Qt::NoModifier);
            QCOMPARE(keybutton(*rig, key)->toolTip(), jex::qt::keytooltip(key));
        }
        press(Key::seven, Qt::Key_7, Qt::KeypadModifier);
        int clicked = 0;
        for (const auto& spy : clicks)
            clicked += int(spy->count());
        QCOMPARE(clicked, pressed);
        QCOMPARE(keybutton(*rig, Key::go)->toolTip(), QString("go: G or Return or Enter"));
    }

    // Other keys, shortcuts and key codes the table does not hold (a layout
    // switch, extra keys, braille keys arrive as 0) press nothing; the keys
    // reach the keypad from whichever of the windows has the keyboard.
    void aProgramKeyedOnTheKeyboardIsListedAsIfClicked() {
        type(rig->buttons(), {Qt::Key_Up}, Qt::ControlModifier);
        type(rig->buttons(), {Qt::Key_G}, Qt::AltModifier);
        type(rig->buttons(),
             {Qt::Key_Q, Qt::Key_F5, Qt::Key_Space, 0, Qt::Key_unknown, Qt::Key_Launch0});
        QCOMPARE(rig->listing(), QStringList());
        QVERIFY(rig->sounds().empty());
        for (int index = 0; index < jex::keycount; ++index)
            QVERIFY(!keybutton(*rig, static_cast<Key>(index))->isDown());

        QString shown; // the refusal is on the screen while its sound plays
        rig->watchsounds(
            [&](std::string_view) { shown = rig->caption(rig->graphics(), "warnings"); });
        type(rig->buttons(), {Qt::Key_7});
        QCOMPARE(shown, QString("expecting a command!"));
        type(rig->graphics(), {Qt::Key_Up, Qt::Key_1, Qt::Key_0, Qt::Key_0});
        type(rig->funnies(), {Qt::Key_X, Qt::Key_4, Qt::Key_Right, Qt::Key_9, Qt::Key_0});
        type(rig->program(), {Qt::Key_E, Qt::Key_Backspace});
        QCOMPARE(rig->listing(), QStringList({" forward  100", " repeat  4", "  right  90"}));
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
    // Return, Enter and Escape end the typing, as does a click on the
    // drawing area: the keys that follow are the keypad's.
    void aNameBoxTakesTheKeysOnlyOnceChosen_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("a click on the drawing") << 0;
    }
    void aNameBoxTakesTheKeysOnlyOnceChosen() {
        QFETCH(int, key);
        rig->activate(rig->graphics());
        QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        type(QApplication::focusWidget(), {Qt::Key_Up, Qt::Key_5});
        QCOMPARE(rig->listing(), QStringList{" forward  5"});

        auto* box = rig->find<QLineEdit>(rig->graphics(), "progname");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box);
        box->clear();
        QTest::keyClicks(box, "Go Fred 123");
        type(box, {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Backspace,
                   Qt::Key_Delete, Qt::Key_Insert});
        if (key)
            type(box, {key});
        else
            QTest::mouseClick(rig->find(rig->graphics(), "Picture1"), Qt::LeftButton);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->text(), QString("Go Fred 12"));
        QCOMPARE(rig->listing(), QStringList{" forward  5"});
        for (int index = 0; index < jex::keycount; ++index)
            QVERIFY(!keybutton(*rig, static_cast<Key>(index))->isDown());
        QVERIFY(rig->sounds().empty());
        type(QApplication::focusWidget(), {Qt::Key_F, Qt::Key_1});
        QCOMPARE(box->text(), QString("Go Fred 12"));
        QCOMPARE(rig->listing(), QStringList({" forward  5", " forward  1"}));
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
        for (const auto& [first, row] :
             {std::pair{10, "1234567890"}, {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}})
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
    // right along a row, then the row below. Space on the target takes it
    // away and the keyboard stays with the window: the next key is the
    // keypad's, not the name box's.
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
        QCOMPARE(reached,
                 QStringList({"progname", "myname", "target", "load", "printbutton", "save", "pf2",
                              "pf1", "change2", "use2", "change1", "use1"}));

        QTest::keyClick(first, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("target"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
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

    // The slider chosen takes its own keys, within the rules' range and page
    // step, and sets the speed even during a run; the keypad's other keys
    // still reach the keypad.
    void theFocusedSliderTakesItsOwnKeys() {
        rig->activate(rig->funnies());
        auto* slider = rig->find<QSlider>(rig->funnies(), "Slider1");
        slider->setFocus(Qt::TabFocusReason);
        QCOMPARE(slider->value(), int(rig->state().robotspeed));
        const int speed = slider->value();
        for (const auto& [key, value] : {std::pair{Qt::Key_Right, speed + 1},
                                         {Qt::Key_Down, speed},
                                         {Qt::Key_Up, speed + 1},
                                         {Qt::Key_Left, speed},
                                         {Qt::Key_End, 50},
                                         {Qt::Key_PageDown, 45},
                                         {Qt::Key_Home, 1}}) {
            type(slider, {key});
            QCOMPARE(int(rig->state().robotspeed), value);
        }
        QCOMPARE(rig->listing(), QStringList());
        rig->state().running = true;
        type(slider, {Qt::Key_PageUp});
        QCOMPARE(int(rig->state().robotspeed), 6);
        QVERIFY(rig->state().running);
        rig->state().running = false;
        type(slider, {Qt::Key_F, Qt::Key_8});
        QCOMPARE(rig->listing(), QStringList{" forward  8"});
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
        for (const auto& [key, row] :
             {std::pair{Qt::Key_Down, 1}, {Qt::Key_Up, 0}, {Qt::Key_End, 1}, {Qt::Key_Home, 0}}) {
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

    void f1OpensTheHelpReadWithTheKeysAndLeftWithEscapeOrF6() {
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

        // The help reads on with the keys (a screen reader follows the caret),
        // Escape closes it, and F6 goes round it with the other windows, both
        // ways.
        QVERIFY(QTest::qWaitForWindowActive(help));
        auto* page = help->findChild<QTextBrowser*>("helppage");
        QCOMPARE(page->font().pointSize(), 14); // to be read from the back of a classroom
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

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
