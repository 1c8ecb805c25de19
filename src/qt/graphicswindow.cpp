// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/graphicswindow.h"

#include "canvas/sprite.h"
#include "canvas/target.h"
#include "core/state.h"
#include "core/textids.h"
#include "files/programbuttons.h"
#include "printing/drawingmenu.h"
#include "printing/printbutton.h"
#include "qt/looks.h"
#include "qt/screenreadernames.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>

namespace jex::qt {

graphicswindow::graphicswindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.graphics, Units::pixels), pname_(this), mname_(this),
      warnings_(this), progname_(this), myname_(this), pf1_(this), pf2_(this), load_(this),
      printbutton_(this), save_(this), change1_(this), change2_(this), use1_(this), use2_(this),
      Picture1_(jex.windows.graphics, this), target_(&Picture1_) {
    GraphicsWindow& model = jex.windows.graphics;
    bind(pname_, model.pname);
    bind(mname_, model.mname);
    bind(warnings_, model.warnings);

    namebox(progname_, model.progname, NameBox::progname);
    namebox(myname_, model.myname, NameBox::myname);
    namebox(pf1_, model.pf1, NameBox::pf1);
    namebox(pf2_, model.pf2, NameBox::pf2);

    button(load_, model.load);
    button(printbutton_, model.printbutton);
    button(save_, model.save);
    button(change1_, model.change1);
    button(change2_, model.change2);
    button(use1_, model.use1);
    button(use2_, model.use2);

    bind(Picture1_, model.Picture1);
    button(target_, model.target);
    target_.covered = [&model](QPointF point) { return robotcovers(model, point.x(), point.y()); };
    Picture1_.liftsprite();
    Picture1_.menuasked = [this](QPoint where) { showdrawingmenu(where); };
}

bool TargetButton::hitButton(const QPoint& pos) const {
    if (!QPushButton::hitButton(pos)) return false;
    // The centre of the pixel clicked, in the drawing area's pixels.
    const QPointF point = QPointF(mapToParent(pos)) + QPointF(0.5, 0.5);
    return !(covered && covered(point));
}

void graphicswindow::showdrawingmenu(QPoint where) {
    std::vector<DrawingMenuEntry> entries;
    forward([&entries](JexState& state) { entries = Picture1_RightClick(state); });
    if (entries.empty()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("drawingmenu"));
    for (const DrawingMenuEntry& entry : entries)
        menu.addAction(qtext(entry.caption))->setData(static_cast<int>(entry.item));
    const QAction* chosen = menu.exec(where);
    if (!chosen) return;
    const auto item = static_cast<DrawingMenuItem>(chosen->data().toInt());
    forward([item](JexState& state) { drawingmenu_Click(state, item); });
}

void graphicswindow::contextMenuEvent(QContextMenuEvent* event) {
    // A right click elsewhere in the window opens nothing, as before.
    if (event->reason() != QContextMenuEvent::Keyboard) return;
    event->accept();
    // At the target when it has the keyboard, else at the drawing's corner,
    // clear of the robot in its middle.
    const QWidget* focus = QApplication::focusWidget();
    const QPoint where = focus && focus->parentWidget() == &Picture1_
                             ? focus->mapToGlobal(focus->rect().center())
                             : Picture1_.mapToGlobal(QPoint(0, 0));
    showdrawingmenu(where);
}

graphicswindow::~graphicswindow() {
    // A box losing the focus as the window goes must not reach the rules.
    for (NameEdit* box : {&progname_, &myname_, &pf1_, &pf2_})
        box->leaving = nullptr;
}

void graphicswindow::syncextras(const ScreenInfo&) {
    Picture1_.showchanges();
    // The target on the drawing is told from the tools' target by its place.
    const QString place = fromtable(textid::targetplace).arg(jex_.targetx).arg(jex_.targety);
    if (target_.accessibleName() != place) target_.setAccessibleName(place);
    const int told = jex_.windows.graphics.warningsshown;
    if (told != warningstold_) {
        warningstold_ = told;
        announce(warnings_);
    }
}

void NameEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The box's own menu (cut, copy, paste) takes the focus only for a moment.
    if (leaving && event->reason() != Qt::PopupFocusReason) leaving();
}

void graphicswindow::namebox(NameEdit& widget, const Control& control, NameBox box) {
    bind(widget, control);
    // Only what the pupil types goes to the rules: the texts the rules set
    // come back through the binding, which does not count as an edit.
    QObject::connect(&widget, &QLineEdit::textEdited, this, [this, box](const QString& typed) {
        forward([box, typed](JexState& state) { namebox_Change(state, box, typed.toStdString()); });
    });
    widget.leaving = [this] { forward(namebox_LostFocus); };
}

} // namespace jex::qt
