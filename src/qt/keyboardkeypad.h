// SPDX-License-Identifier: GPL-3.0-or-later
// Presses the keypad's keys from the computer's keyboard. A keyboard key
// shows its keypad key pressed while it is held and clicks it when it is let
// go, as the mouse does, so every press goes through the same rules. Typing
// into a text box the pupil has chosen types there and presses nothing.
#pragma once

#include "core/controls.h"

#include <QObject>

#include <array>
#include <map>

class QKeyEvent;
class QWidget;

namespace jex::qt {

class buttonswindow;

class KeyboardKeypad final : public QObject {
  public:
    // Watches the key presses the application delivers to the four windows.
    KeyboardKeypad(buttonswindow& keypad, std::array<QWidget*, 4> windows);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool forourwindows(QObject* watched) const;
    bool keypress(QKeyEvent& event);
    bool keyrelease(QKeyEvent& event);
    void letgoall();

    buttonswindow& keypad_;
    std::array<QWidget*, 4> windows_;
    std::map<int, Key> held_; // keyboard key -> the keypad key it holds down
};

} // namespace jex::qt
