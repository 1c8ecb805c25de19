// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's keypad: 24 picture keys and the 100 ms timer.
#pragma once

#include "qt/keybutton.h"
#include "qt/modelwindow.h"

#include <QTimer>

#include <array>
#include <memory>

namespace jex::qt {

class buttonswindow final : public ModelWindow {
  public:
    buttonswindow(JexState& jex, QtPlatform& platform);

    KeyButton& key(Key key) { return *keys_[static_cast<std::size_t>(key)]; }
    QTimer& Timer1() { return Timer1_; }
    // The where-am-I key: a phrase for the screen reader, pressed in any of
    // the windows.
    void whereami();

  private:
    void syncextras(const ScreenInfo& screen) override;

    std::array<std::unique_ptr<KeyButton>, keycount> keys_;
    std::array<int, keycount> faces_{};
    QTimer Timer1_;
};

} // namespace jex::qt
