// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps one widget in line with one model control.
#pragma once

#include "qt/units.h"
#include "core/controls.h"

#include <QRect>
#include <QWidget>

#include <string>

namespace jex::qt {

class ControlBinding {
  public:
    ControlBinding(QWidget& widget, const Control& control);

    // Puts the control's place, size, caption, colours, font and visibility
    // on the widget. Only what changed since the last call is touched, so
    // calling it after every event costs a few comparisons. True when the
    // widget moved or changed size.
    bool sync(Units units);

    QWidget& widget() const { return widget_; }

  private:
    enum class Kind { label, button, textbox, slider, other };

    void showcaption(const std::string& caption);
    void showcolours();

    QWidget& widget_;
    const Control& control_;
    Kind kind_;

    bool first_ = true;
    QRect geometry_;
    std::string caption_;
    Colour background_, foreground_;
    Font font_;
    bool visible_ = false;
};

} // namespace jex::qt
