// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/graphicswindow.h"

#include "canvas/target.h"
#include "core/state.h"
#include "files/programbuttons.h"
#include "printing/printbutton.h"

namespace jex::qt {

graphicswindow::graphicswindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.graphics, Units::pixels), pname_(this), mname_(this),
      warnings_(this), progname_(this), myname_(this), pf1_(this), pf2_(this), load_(this),
      printbutton_(this), save_(this), change1_(this), change2_(this), use1_(this), use2_(this),
      Picture1_(jex.windows.graphics, this), target_(&Picture1_) {
    GraphicsWindow& model = jex.windows.graphics;
    bind(pname_, model.pname, "pname");
    bind(mname_, model.mname, "mname");
    bind(warnings_, model.warnings, "warnings");

    namebox(progname_, model.progname, "progname");
    namebox(myname_, model.myname, "myname");
    namebox(pf1_, model.pf1, "pf1");
    namebox(pf2_, model.pf2, "pf2");

    button(load_, model.load, "load", load_Click);
    button(printbutton_, model.printbutton, "printbutton", printbutton_Click);
    button(save_, model.save, "save", save_Click);
    button(change1_, model.change1, "change1", change1_Click);
    button(change2_, model.change2, "change2", change2_Click);
    button(use1_, model.use1, "use1", use1_Click);
    button(use2_, model.use2, "use2", use2_Click);

    bind(Picture1_, model.Picture1, "Picture1");
    button(target_, model.target, "target", graphicstarget_Click);
}

void graphicswindow::syncextras(const ScreenInfo&) {
    Picture1_.showchanges();
}

QPushButton& graphicswindow::button(QPushButton& widget, const Control& control, const char* name,
                                    void (*rule)(JexState&)) {
    bind(widget, control, name);
    QObject::connect(&widget, &QPushButton::clicked, this, [this, rule] { forward(rule); });
    return widget;
}

QLineEdit& graphicswindow::namebox(QLineEdit& widget, const Control& control, const char* name) {
    // The boxes show the names the rules hold; typing into them comes later.
    widget.setReadOnly(true);
    widget.setFocusPolicy(Qt::NoFocus);
    return bind(widget, control, name);
}

} // namespace jex::qt
