// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/canvasview.h"

#include <QPainter>

namespace jex::qt {

CanvasView::CanvasView(QWidget* parent) : QWidget(parent) {
    // The drawing covers the whole area: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasView::paintpicture(const QImage& picture, QSize size, const QColor& background) {
    // Kept at the screen's own resolution, so that lines stay sharp on a
    // high-density screen.
    const qreal pixelratio = devicePixelRatioF();
    const QSize pixels(qRound(size.width() * pixelratio), qRound(size.height() * pixelratio));
    if (drawing_.size() != pixels || !qFuzzyCompare(drawing_.devicePixelRatio(), pixelratio)) {
        drawing_ = QImage(pixels.expandedTo({1, 1}), QImage::Format_RGB32);
        drawing_.setDevicePixelRatio(pixelratio);
    }
    drawing_.fill(background);
    QPainter painter(&drawing_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), picture);
    update();
}

void CanvasView::drawline(QPoint from, QPoint to) {
    QPainter painter(&drawing_);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.drawLine(from, to);
    update();
}

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect covered(QPoint(0, 0), drawing_.deviceIndependentSize().toSize());
    if (!covered.contains(rect())) painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawImage(QPointF(0, 0), drawing_);
}

} // namespace jex::qt
