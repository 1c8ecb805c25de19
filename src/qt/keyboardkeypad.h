// SPDX-License-Identifier: GPL-3.0-or-later
// Presses the keypad's keys from the computer's keyboard. A keyboard key
// shows its keypad key pressed while it is held and clicks it when it is let
// go, as the mouse does, so every press goes through the same rules. Typing
// into a text box the pupil has chosen types there and presses nothing; the
// slider the pupil has chosen takes its own keys. In the keypad's window
// Return is always GO; elsewhere it presses a button reached with Tab. F6
// moves from one window to the next, and Shift+F10 asks for the menu of what
// has the keyboard, as the Menu key does.
#pragma once

#include "core/controls.h"

#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace jex::qt {

class buttonswindow;

class KeyboardKeypad final : public QObject {
  public:
    // Watches the key presses the application delivers to the four windows
    // and the exit window.
    KeyboardKeypad(buttonswindow& keypad, std::array<QWidget*, 4> windows, QWidget& exitwindow);

    // The help window once it is made: F6 goes round it too.
    std::function<QWidget*()> helpwindow;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A key held down, known by the physical key: Shift pressed meanwhile
    // changes the key code its release arrives with, never the physical key.
    struct HeldKey {
        quint32 scancode; // 0 when the windowing system gives none
        int key;
        QAbstractButton* button;
    };

    bool forourwindows(QObject* watched) const;
    QWidget* shownhelp() const;
    bool keypress(QKeyEvent& event, QWidget& receiver);
    bool keyrelease(QKeyEvent& event);
    void hold(QKeyEvent& event, QAbstractButton& button);
    std::vector<HeldKey>::iterator findheld(const QKeyEvent& event);
    void movetowindow(QWidget& from, int step);
    void letgoall();

    buttonswindow& keypad_;
    std::array<QWidget*, 4> windows_;
    QWidget& exitwindow_;
    std::vector<HeldKey> held_;
};

} // namespace jex::qt
