// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keybutton.h"

#include <QPainter>
#include <QPainterPath>

namespace jex::qt {
namespace {

constexpr int facesize = 50;

} // namespace

KeyButton::KeyButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void KeyButton::setface(const QString& resource) {
    if (resource == face_) return;
    face_ = resource;
    renderer_.load(resource);
    cached_ = QPixmap();
    update();
}

QSize KeyButton::sizeHint() const {
    return {56, 56};
}

const QPixmap& KeyButton::facepixmap(qreal pixelratio) {
    // Drawn at the screen's own resolution, so the face stays sharp on a
    // high-density screen.
    if (cached_.isNull() || !qFuzzyCompare(cached_.devicePixelRatio(), pixelratio)) {
        const int side = qRound(facesize * pixelratio);
        cached_ = QPixmap(side, side);
        cached_.fill(Qt::transparent);
        if (renderer_.isValid()) {
            QPainter painter(&cached_);
            renderer_.render(&painter);
        }
        cached_.setDevicePixelRatio(pixelratio);
    }
    return cached_;
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown();

    // A raised key that sinks a little while it is pressed.
    QPainterPath outline;
    outline.addRoundedRect(frame, 6, 6);
    painter.fillPath(outline, down ? QColor(40, 40, 40) : QColor(96, 96, 96));
    painter.setPen(QPen(down ? QColor(20, 20, 20) : QColor(150, 150, 150), 1));
    painter.drawPath(outline);

    const QPixmap& pixmap = facepixmap(devicePixelRatioF());
    const QSize size = pixmap.deviceIndependentSize().toSize();
    QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (down) origin += QPoint(1, 1);
    painter.drawPixmap(origin, pixmap);
}

} // namespace jex::qt
