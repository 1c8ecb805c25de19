// SPDX-License-Identifier: GPL-3.0-or-later
// What the four windows share: a top-level window that shows one window of
// the model, and passes its controls' events to the rules.
#pragma once

#include "core/platform.h"
#include "qt/controlbinding.h"
#include "qt/units.h"
#include "core/controls.h"

#include <QPushButton>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

namespace jex {
struct JexState;
}

namespace jex::qt {

class QtPlatform;

class ModelWindow : public QWidget {
  public:
    ModelWindow(JexState& jex, QtPlatform& platform, const Window& model,
                Units (*units)(const ScreenInfo&));

    // Brings the window and all of its controls into line with the model.
    // True when that showed the window.
    bool sync(const ScreenInfo& screen);

  protected:
    // Puts the control on the widget at every sync; the widget is named after
    // the control.
    template <class W> W& bind(W& widget, const Control& control, std::string_view name) {
        widget.setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        bindings_.emplace_back(widget, control);
        return widget;
    }
    // The same, named as the rules' table of controls names it.
    template <class W> W& bind(W& widget, const Control& control) {
        return bind(widget, control, tablename(control));
    }

    // A button whose click runs the routine the rules' table of controls gives it.
    QPushButton& button(QPushButton& widget, const Control& control);

    // What a window shows beyond its controls' common properties.
    virtual void syncextras(const ScreenInfo&) {}

    // Runs a rule for an event, then shows everything it changed.
    template <class Rule> void forward(Rule rule) {
        rule(jex_);
        showchanges();
    }

    // Closing a window is asking to leave the program.
    void closeEvent(QCloseEvent* event) override;

    JexState& jex_;
    QtPlatform& platform_;

  private:
    std::string_view tablename(const Control& control) const;
    void showchanges();
    void syncframe(const ScreenInfo& screen);
    void ordertabs();

    const Window& model_;
    Units (*units_)(const ScreenInfo&);
    std::vector<ControlBinding> bindings_;

    bool first_ = true;
    QRect outer_;
    FrameMargins frame_;
    int titletext_ = 0;
    int frontrequests_ = 0;
    Colour background_;
};

} // namespace jex::qt
