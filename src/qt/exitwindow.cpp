// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/exitwindow.h"

#include "core/state.h"
#include "files/exit.h"
#include "qt/looks.h"

namespace jex::qt {

exitwindow::exitwindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.exitwindow, Units::twips), Label1_(this),
      cancel_(this), exitanyway_(this) {
    ExitWindow& model = jex.windows.exitwindow;
    bind(Label1_, model.Label1);
    Label1_.setAlignment(Qt::AlignCenter);
    button(cancel_, model.cancel);
    button(exitanyway_, model.exitanyway);
}

void exitwindow::syncextras(const ScreenInfo&) {
    // The window has no title: its message names it.
    const QString message = qtext(jex_.windows.exitwindow.Label1.caption);
    if (accessibleName() != message) setAccessibleName(message);
}

void exitwindow::showEvent(QShowEvent* event) {
    ModelWindow::showEvent(event);
    // Keeping the program is the answer that loses nothing. The window stays
    // non-modal: the pupil may still go back to the other windows.
    cancel_.setFocus(Qt::ActiveWindowFocusReason);
    activateWindow();
}

} // namespace jex::qt
