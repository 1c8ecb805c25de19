// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the listing of the slot being edited or run.
#pragma once

#include "qt/listingview.h"
#include "qt/modelwindow.h"

#include <QLabel>
#include <QPushButton>

namespace jex::qt {

class programwindow final : public ModelWindow {
  public:
    programwindow(JexState& jex, QtPlatform& platform);

    ListingView& programtext() { return programtext_; }

  private:
    void syncextras(const ScreenInfo& screen) override;

    QPushButton exitbutton_;
    QLabel nameheader_;
    ListingView programtext_;
};

} // namespace jex::qt
