// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keyboardkeypad.h"

#include "qt/buttonswindow.h"
#include "qt/keyboardkeys.h"
#include "qt/listingview.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace jex::qt {
namespace {

// Shortcuts of the desktop and of the toolkit keep their meaning.
constexpr Qt::KeyboardModifiers commandmodifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isreturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The keys a slider moves its handle with.
bool issliderkey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Whether the key types a character beyond plain ASCII: a letter of another
// alphabet, an accented letter.
bool typesbeyondascii(const QKeyEvent& event) {
    const QString typed = event.text();
    return typed.size() == 1 && typed.front().unicode() > 0x7f && typed.front().isPrint();
}

// The listing in a window, if it has one. The listing declares no meta-object
// of its own, so it is told from other widgets by its type, not by findChild.
ListingView* listingin(const QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>())
        if (auto* listing = dynamic_cast<ListingView*>(child)) return listing;
    return nullptr;
}

} // namespace

KeyboardKeypad::KeyboardKeypad(buttonswindow& keypad, std::array<QWidget*, 4> windows,
                               QWidget& exitwindow)
    : keypad_(keypad), windows_(windows), exitwindow_(exitwindow) {
    for (int index = 0; index < keycount; ++index) {
        const Key which = static_cast<Key>(index);
        KeyButton& button = keypad_.key(which);
        button.setAccessibleName(keypadkeyname(which));
        button.setToolTip(keytooltip(which));
    }
    // A window that becomes active would otherwise hand its first text box
    // the cursor, and the keyboard would type there though no one chose the
    // box. Each window keeps the keyboard itself until a box is clicked or
    // reached with Tab; a click anywhere else in it takes the cursor out of
    // the box again. Buttons are reached with Tab only: a button clicked with
    // the mouse must not take Return away from GO.
    for (QWidget* window : windows_) {
        window->setFocusPolicy(Qt::ClickFocus);
        window->setFocus(Qt::OtherFocusReason);
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            button->setFocusPolicy(Qt::TabFocus);
    }
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardKeypad::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return forourwindows(watched) &&
               keypress(static_cast<QKeyEvent&>(*event), *static_cast<QWidget*>(watched));
    case QEvent::KeyRelease:
        return forourwindows(watched) && keyrelease(static_cast<QKeyEvent&>(*event));
    case QEvent::ApplicationDeactivate:
        // A key let go in another program's window never comes back here.
        letgoall();
        return false;
    default:
        return false;
    }
}

bool KeyboardKeypad::forourwindows(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget) return false;
    const QWidget* window = widget->window();
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end() ||
           window == &exitwindow_ || (window && window == shownhelp());
}

QWidget* KeyboardKeypad::shownhelp() const {
    QWidget* help = helpwindow ? helpwindow() : nullptr;
    return help && help->isVisible() ? help : nullptr;
}

bool KeyboardKeypad::keypress(QKeyEvent& event, QWidget& receiver) {
    QWidget& window = *receiver.window();
    if (event.modifiers() & commandmodifiers) return false;
    const int key = event.key();
    if (key == Qt::Key_F6) {
        if (!event.isAutoRepeat())
            movetowindow(window, event.modifiers() & Qt::ShiftModifier ? -1 : 1);
        event.accept();
        return true;
    }
    // The help window reads with its own keys.
    if (&window == shownhelp()) return false;
    // A key goes to the widget with the focus; one sent to a widget of a
    // window that is not active is that widget's.
    QWidget* focus = QApplication::focusWidget();
    if (!focus) focus = &receiver;
    if (key == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier) {
        if (!event.isAutoRepeat()) {
            const QPoint middle = focus->rect().center();
            QContextMenuEvent asked(QContextMenuEvent::Keyboard, middle, focus->mapToGlobal(middle));
            QApplication::sendEvent(focus, &asked);
        }
        event.accept();
        return true;
    }
    if (auto* box = qobject_cast<QLineEdit*>(focus)) {
        if (!isreturn(key) && key != Qt::Key_Escape) return false;
        // The typing ends there, as if the pupil had clicked elsewhere.
        box->window()->setFocus(Qt::OtherFocusReason);
        event.accept();
        return true;
    }
    if (qobject_cast<QAbstractSlider*>(focus) && issliderkey(key)) return false;
    if (ListingView::readingkey(key)) {
        // In the listing's window these keys read the listing, wherever the
        // window system put the focus when the window became active.
        if (dynamic_cast<ListingView*>(focus) || dynamic_cast<ListingView*>(&receiver))
            return false;
        if (ListingView* listing = listingin(window)) {
            listing->setFocus(Qt::TabFocusReason);
            QCoreApplication::sendEvent(listing, &event);
            return true;
        }
    }
    if (findheld(event) != held_.end()) { // held down: it does not repeat
        event.accept();
        return true;
    }
    // In the keypad's window Return is GO, whichever key Tab left the
    // keyboard on: Space presses that key.
    auto* focusedbutton = qobject_cast<QAbstractButton*>(focus);
    if (focusedbutton && isreturn(key) && &window != &keypad_) {
        hold(event, *focusedbutton);
        return true;
    }
    if (&window == &exitwindow_) return false; // the keypad's keys work in the four windows
    if (key == whereamikey ||
        (typesbeyondascii(event) && event.nativeScanCode() == whereamiplace)) {
        event.accept();
        if (!event.isAutoRepeat()) keypad_.whereami();
        return true;
    }
    std::optional<Key> keypad = keypadkeyfor(key);
    // A layout that types no Latin letter or digit there: the key's place.
    if (!keypad && typesbeyondascii(event)) keypad = keypadkeyat(event.nativeScanCode());
    if (!keypad) return false;
    hold(event, keypad_.key(*keypad));
    return true;
}

void KeyboardKeypad::hold(QKeyEvent& event, QAbstractButton& button) {
    event.accept();
    if (event.isAutoRepeat()) return;
    held_.push_back({event.nativeScanCode(), event.key(), &button});
    button.setDown(true);
    button.repaint();
}

std::vector<KeyboardKeypad::HeldKey>::iterator KeyboardKeypad::findheld(const QKeyEvent& event) {
    const quint32 scancode = event.nativeScanCode();
    return std::find_if(held_.begin(), held_.end(), [&](const HeldKey& held) {
        return scancode != 0 ? held.scancode == scancode : held.key == event.key();
    });
}

bool KeyboardKeypad::keyrelease(QKeyEvent& event) {
    const auto found = findheld(event);
    if (found == held_.end()) return false;
    event.accept();
    if (event.isAutoRepeat()) return true;
    QAbstractButton* button = found->button;
    held_.erase(found);
    // The click may start a run that handles further keys before it returns.
    button->setDown(false);
    button->click();
    return true;
}

void KeyboardKeypad::movetowindow(QWidget& from, int step) {
    std::vector<QWidget*> order(windows_.begin(), windows_.end());
    order.push_back(&exitwindow_);
    if (QWidget* help = shownhelp()) order.push_back(help);
    const auto here = std::find(order.begin(), order.end(), &from);
    if (here == order.end()) return;
    const int count = static_cast<int>(order.size());
    int index = static_cast<int>(here - order.begin());
    for (int tried = 1; tried < count; ++tried) {
        index = (index + step + count) % count;
        QWidget* next = order[static_cast<std::size_t>(index)];
        if (!next->isVisible()) continue;
        next->raise();
        next->activateWindow();
        // In the listing's window the arrows read the listing.
        if (ListingView* listing = listingin(*next)) listing->setFocus(Qt::TabFocusReason);
        return;
    }
}

void KeyboardKeypad::letgoall() {
    for (const HeldKey& held : held_)
        held.button->setDown(false);
    held_.clear();
}

} // namespace jex::qt
