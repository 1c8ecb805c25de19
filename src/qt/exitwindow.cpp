// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/exitwindow.h"

#include "core/state.h"
#include "files/exit.h"

namespace jex::qt {

exitwindow::exitwindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.exitwindow, Units::twips), Label1_(this),
      cancel_(this), exitanyway_(this) {
    ExitWindow& model = jex.windows.exitwindow;
    bind(Label1_, model.Label1, "Label1");
    Label1_.setAlignment(Qt::AlignCenter);
    button(cancel_, model.cancel, "cancel", cancel_Click);
    button(exitanyway_, model.exitanyway, "exitanyway", exitanyway_Click);
}

} // namespace jex::qt
