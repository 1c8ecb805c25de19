// SPDX-License-Identifier: GPL-3.0-or-later
// Program names, functions, files, the status line and the drawing area.
#pragma once

#include "qt/canvasview.h"
#include "qt/modelwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace jex::qt {

class graphicswindow final : public ModelWindow {
  public:
    graphicswindow(JexState& jex, QtPlatform& platform);

    CanvasView& Picture1() { return Picture1_; }

  private:
    void syncextras(const ScreenInfo& screen) override;
    QPushButton& button(QPushButton& widget, const Control& control, const char* name,
                        void (*rule)(JexState&));
    QLineEdit& namebox(QLineEdit& widget, const Control& control, const char* name);

    QLabel pname_, mname_, warnings_;
    QLineEdit progname_, myname_, pf1_, pf2_;
    QPushButton load_, printbutton_, save_, change1_, change2_, use1_, use2_;
    CanvasView Picture1_;
    QPushButton target_;
};

} // namespace jex::qt
