// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keyboardkeypad.h"

#include "qt/buttonswindow.h"
#include "qt/keyboardkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace jex::qt {
namespace {

// Shortcuts of the desktop and of the toolkit keep their meaning.
constexpr Qt::KeyboardModifiers commandmodifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool istextbox(const QObject* object) {
    return qobject_cast<const QLineEdit*>(object) != nullptr;
}

} // namespace

KeyboardKeypad::KeyboardKeypad(buttonswindow& keypad, std::array<QWidget*, 4> windows)
    : keypad_(keypad), windows_(windows) {
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
    // the box again.
    for (QWidget* window : windows_) {
        window->setFocusPolicy(Qt::ClickFocus);
        window->setFocus(Qt::OtherFocusReason);
    }
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardKeypad::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return forourwindows(watched) && keypress(static_cast<QKeyEvent&>(*event));
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
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

bool KeyboardKeypad::keypress(QKeyEvent& event) {
    if (event.modifiers() & commandmodifiers) return false;
    if (istextbox(QApplication::focusWidget())) return false;
    const std::optional<Key> keypad = keypadkeyfor(event.key());
    if (!keypad) return false;
    // A held key does not repeat: the robot's keys do not either.
    if (!event.isAutoRepeat() && held_.emplace(event.key(), *keypad).second) {
        KeyButton& button = keypad_.key(*keypad);
        button.setDown(true);
        button.repaint();
    }
    event.accept();
    return true;
}

bool KeyboardKeypad::keyrelease(QKeyEvent& event) {
    const auto found = held_.find(event.key());
    if (found == held_.end()) return false;
    event.accept();
    if (event.isAutoRepeat()) return true;
    const Key keypad = found->second;
    held_.erase(found);
    // The click may start a run that handles further keys before it returns.
    KeyButton& button = keypad_.key(keypad);
    button.setDown(false);
    button.click();
    return true;
}

void KeyboardKeypad::letgoall() {
    for (const auto& [keyboard, keypad] : held_)
        keypad_.key(keypad).setDown(false);
    held_.clear();
}

} // namespace jex::qt
