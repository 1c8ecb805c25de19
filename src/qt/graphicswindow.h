// SPDX-License-Identifier: GPL-3.0-or-later
// Program names, functions, files, the status line and the drawing area.
#pragma once

#include "files/names.h"
#include "qt/canvasview.h"
#include "qt/modelwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace jex::qt {

// A name box that says when the pupil leaves it.
class NameEdit final : public QLineEdit {
  public:
    explicit NameEdit(QWidget* parent) : QLineEdit(parent) {}
    std::function<void()> leaving;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// The target: the robot lies over it, so where the robot covers it a click is
// on the robot and not on the target.
class TargetButton final : public QPushButton {
  public:
    explicit TargetButton(QWidget* parent) : QPushButton(parent) {}
    std::function<bool(QPointF)> covered; // in the parent's pixels

  protected:
    bool hitButton(const QPoint& pos) const override;
};

class graphicswindow final : public ModelWindow {
  public:
    graphicswindow(JexState& jex, QtPlatform& platform);
    ~graphicswindow() override;

    CanvasView& Picture1() { return Picture1_; }

  protected:
    // The Menu key and Shift+F10 open the drawing's menu as a right click does.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void syncextras(const ScreenInfo& screen) override;
    void namebox(NameEdit& widget, const Control& control, NameBox box);
    void showdrawingmenu(QPoint where);

    QLabel pname_, mname_, warnings_;
    NameEdit progname_, myname_, pf1_, pf2_;
    QPushButton load_, printbutton_, save_, change1_, change2_, use1_, use2_;
    CanvasView Picture1_;
    TargetButton target_;
    int warningstold_ = 0; // the messages a screen reader has been told
};

} // namespace jex::qt
