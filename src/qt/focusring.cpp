// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace jex::qt {
namespace {

// Black on light colours, yellow on dark ones: each is at least 3:1 against
// every colour the other is not.
const QColor darkband(0, 0, 0);
const QColor lightband(255, 220, 0);
constexpr int bandwidth = FocusRingShape::reach / 2;

} // namespace

FocusRingShape::FocusRingShape(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("focusring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FocusRingShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto band = [&painter](const QRect& box, const QColor& colour) {
        painter.fillRect(QRect(box.left(), box.top(), box.width(), bandwidth), colour);
        painter.fillRect(QRect(box.left(), box.bottom() + 1 - bandwidth, box.width(), bandwidth),
                         colour);
        painter.fillRect(QRect(box.left(), box.top(), bandwidth, box.height()), colour);
        painter.fillRect(QRect(box.right() + 1 - bandwidth, box.top(), bandwidth, box.height()),
                         colour);
    };
    band(rect(), lightband);
    band(rect().adjusted(bandwidth, bandwidth, -bandwidth, -bandwidth), darkband);
}

FocusRing::FocusRing(std::function<bool(const QWidget*)> ours) : ours_(std::move(ours)) {
    QObject::connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focus) {
    if (ringed_) ringed_->removeEventFilter(this);
    ringed_ = nullptr;
    if (shape_) shape_->hide();
    // The window itself holding the keyboard has no control to ring.
    if (!focus || focus->isWindow() || !ours_(focus->window())) return;
    ringed_ = focus;
    focus->installEventFilter(this);
    QWidget* window = focus->window();
    if (!shape_ || shape_->parentWidget() != window) {
        shape_ = nullptr;
        for (QObject* child : window->children())
            if (auto* shape = dynamic_cast<FocusRingShape*>(child)) shape_ = shape;
        if (!shape_) shape_ = new FocusRingShape(*window); // the window owns it
    }
    place();
}

void FocusRing::place() {
    if (!shape_) return;
    if (!ringed_ || !ringed_->isVisible()) {
        shape_->hide();
        return;
    }
    QWidget* window = ringed_->window();
    const QRect control(ringed_->mapTo(window, QPoint()), ringed_->size());
    // Around the control, or inside its edge where the window's edge is nearer.
    const int reach = FocusRingShape::reach;
    shape_->setGeometry(control.adjusted(-reach, -reach, reach, reach) & window->rect());
    shape_->raise();
    shape_->show();
    shape_->update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ringed_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace jex::qt
