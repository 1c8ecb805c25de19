// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/modelwindow.h"

#include "core/state.h"
#include "core/texts.h"
#include "files/exit.h"
#include "qt/looks.h"
#include "qt/qtplatform.h"
#include "windows/controltable.h"

#include <QCloseEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace jex::qt {

ModelWindow::ModelWindow(JexState& jex, QtPlatform& platform, const Window& model,
                         Units (*units)(const ScreenInfo&))
    : jex_(jex), platform_(platform), model_(model), units_(units) {
    setAutoFillBackground(true);
}

bool ModelWindow::sync(const ScreenInfo& screen) {
    syncframe(screen);
    const Units units = units_(screen);
    bool moved = false;
    for (ControlBinding& binding : bindings_)
        moved |= binding.sync(units);
    syncextras(screen);
    if (moved) ordertabs();
    first_ = false;
    const bool showing = model_.shown && !isVisible();
    if (model_.shown != isVisible()) setVisible(model_.shown);
    if (model_.shown && model_.frontrequests != frontrequests_) {
        raise();
        activateWindow();
    }
    frontrequests_ = model_.frontrequests;
    return showing;
}

void ModelWindow::syncframe(const ScreenInfo& screen) {
    // The model gives outer sizes: the window manager's frame goes at the
    // model's place and the window itself gets what is left inside it.
    const QRect outer =
        topixels(model_.left, model_.top, model_.width, model_.height, Units::twips(screen));
    if (first_ || outer != outer_ || screen.frame != frame_) {
        const FrameMargins& frame = screen.frame;
        move(outer.topLeft());
        setFixedSize(std::max(outer.width() - frame.left - frame.right, 0),
                     std::max(outer.height() - frame.top - frame.bottom, 0));
        outer_ = outer;
        frame_ = frame;
    }
    if (first_ || model_.titletext != titletext_) {
        setWindowTitle(QString::fromStdString(text(model_.titletext)));
        titletext_ = model_.titletext;
    }
    if (first_ || model_.background != background_) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, qcolour(model_.background));
        setPalette(colours);
        background_ = model_.background;
    }
}

void ModelWindow::ordertabs() {
    // Tab goes as a pupil reads: left to right along a row, then the next
    // row down, wherever the layout put each control.
    std::vector<std::pair<QPoint, QWidget*>> stops;
    for (QWidget* child : findChildren<QWidget*>())
        if (child->window() == this && (child->focusPolicy() & Qt::TabFocus))
            stops.emplace_back(child->mapTo(this, QPoint()), child);
    std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1].second, stops[i].second);
}

std::string_view ModelWindow::tablename(const Control& control) const {
    const ControlEntry* entry = findcontrol(jex_.windows, control);
    return entry ? entry->name : std::string_view();
}

QPushButton& ModelWindow::button(QPushButton& widget, const Control& control) {
    bind(widget, control);
    const ControlEntry* entry = findcontrol(jex_.windows, control);
    if (const ClickRoutine routine = entry ? entry->click : nullptr)
        QObject::connect(&widget, &QPushButton::clicked, this,
                         [this, routine] { forward(routine); });
    return widget;
}

void ModelWindow::showchanges() {
    platform_.syncwindows();
}

void ModelWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    forward(exitbutton_Click);
}

} // namespace jex::qt
