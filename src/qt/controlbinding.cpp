// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/controlbinding.h"

#include "qt/looks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace jex::qt {
namespace {

bool islabel(QWidget& widget) {
    return qobject_cast<QLabel*>(&widget) != nullptr;
}
bool isbutton(QWidget& widget) {
    return qobject_cast<QPushButton*>(&widget) != nullptr;
}
bool istextbox(QWidget& widget) {
    return qobject_cast<QLineEdit*>(&widget) != nullptr;
}
bool isslider(QWidget& widget) {
    return qobject_cast<QSlider*>(&widget) != nullptr;
}

// The text the rules hold for a box. While the pupil types it is mostly what
// the box shows already. A text cut short to fit puts the caret at its end; a
// character dropped as it was typed leaves the caret where it was.
void showtext(QLineEdit& box, const QString& text) {
    const QString shown = box.text();
    if (shown == text) return;
    const qsizetype caret = box.cursorPosition() - (shown.size() - text.size());
    const bool cutshort = shown.startsWith(text);
    box.setText(text);
    if (!cutshort && box.hasFocus())
        box.setCursorPosition(static_cast<int>(std::clamp<qsizetype>(caret, 0, text.size())));
}

} // namespace

ControlBinding::ControlBinding(QWidget& widget, const Control& control)
    : widget_(widget), control_(control), kind_(islabel(widget)     ? Kind::label
                                                : isbutton(widget)  ? Kind::button
                                                : istextbox(widget) ? Kind::textbox
                                                : isslider(widget)  ? Kind::slider
                                                                    : Kind::other) {}

bool ControlBinding::sync(Units units) {
    const Control& c = control_;
    const QRect geometry = topixels(c.left, c.top, c.width, c.height, units);
    const bool moved = first_ || geometry != geometry_;
    if (moved) {
        widget_.setGeometry(geometry);
        geometry_ = geometry;
    }
    // A text box is compared with what it shows: the pupil may have typed
    // something the rules turned back into the text they held before.
    if (first_ || c.caption != caption_ || kind_ == Kind::textbox) {
        showcaption(c.caption);
        caption_ = c.caption;
    }
    if (first_ || c.background != background_ || c.foreground != foreground_) {
        background_ = c.background;
        foreground_ = c.foreground;
        showcolours();
    }
    if (first_ || c.font != font_) {
        widget_.setFont(qfont(c.font));
        font_ = c.font;
    }
    if (first_ || c.visible != visible_) {
        // A control hidden while it has the keyboard (the target taken away
        // with Space) leaves it with its window: the toolkit would hand it to
        // the next control, a name box, and the next key would type there.
        if (!c.visible && widget_.hasFocus()) widget_.window()->setFocus(Qt::OtherFocusReason);
        widget_.setVisible(c.visible);
        visible_ = c.visible;
    }
    first_ = false;
    return moved;
}

void ControlBinding::showcaption(const std::string& caption) {
    switch (kind_) {
    case Kind::label:
        static_cast<QLabel&>(widget_).setText(qtext(caption));
        break;
    case Kind::button:
        static_cast<QPushButton&>(widget_).setText(qtext(caption));
        break;
    case Kind::textbox:
        showtext(static_cast<QLineEdit&>(widget_), qtext(caption));
        break;
    case Kind::slider:
    case Kind::other:
        break;
    }
}

void ControlBinding::showcolours() {
    switch (kind_) {
    case Kind::label:
        widget_.setStyleSheet(labelstyle(control_));
        break;
    case Kind::button:
        widget_.setStyleSheet(buttonstyle(control_));
        break;
    case Kind::textbox:
        widget_.setStyleSheet(textboxstyle(control_));
        break;
    case Kind::slider:
        widget_.setStyleSheet(sliderstyle(control_));
        break;
    case Kind::other: {
        QPalette palette = widget_.palette();
        palette.setColor(QPalette::Window, qcolour(control_.background));
        palette.setColor(QPalette::WindowText, qcolour(control_.foreground));
        palette.setColor(QPalette::Base, qcolour(control_.background));
        palette.setColor(QPalette::Text, qcolour(control_.foreground));
        widget_.setPalette(palette);
        widget_.setAutoFillBackground(true);
        break;
    }
    }
}

} // namespace jex::qt
