// SPDX-License-Identifier: GPL-3.0-or-later
// The window that asks before an unsaved program is left.
#pragma once

#include "qt/modelwindow.h"

#include <QLabel>
#include <QPushButton>

namespace jex::qt {

class exitwindow final : public ModelWindow {
  public:
    exitwindow(JexState& jex, QtPlatform& platform);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void syncextras(const ScreenInfo& screen) override;

    QLabel Label1_;
    QPushButton cancel_, exitanyway_;
};

} // namespace jex::qt
