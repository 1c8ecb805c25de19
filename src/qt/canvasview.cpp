// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/canvasview.h"

#include "qt/looks.h"

#include "canvas/penline.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>

namespace jex::qt {
namespace {

// The body first, then the white marking that lies in front of it.
std::array<const LineControl*, 8> paintorder(const GraphicsWindow& model) {
    std::array<const LineControl*, 8> lines{};
    for (std::size_t i = 0; i < robotlines.size(); ++i) lines[i] = &(model.*robotlines[i]);
    return lines;
}

QRect linearea(const LineControl& line) {
    // Round caps reach half the thickness past each end; one more pixel
    // covers the antialiased edge.
    const int reach = line.thickness / 2 + 2;
    return QRect(QPoint(std::min(line.x1, line.x2), std::min(line.y1, line.y2)),
                 QPoint(std::max(line.x1, line.x2), std::max(line.y1, line.y2)))
        .adjusted(-reach, -reach, reach, reach);
}

} // namespace

SpriteLayer::SpriteLayer(CanvasView& canvas) : QWidget(&canvas), canvas_(canvas) {
    setObjectName(QStringLiteral("robot"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SpriteLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    canvas_.paintsprite(painter);
}

CanvasView::CanvasView(const GraphicsWindow& model, QWidget* parent)
    : QWidget(parent), model_(model), spritelayer_(*this) {
    // The drawing covers the whole area: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap CanvasView::picture() {
    return grab();
}

void CanvasView::liftsprite() {
    spritelayer_.raise();
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    spritelayer_.setGeometry(rect());
}

void CanvasView::contextMenuEvent(QContextMenuEvent* event) {
    if (!menuasked) return;
    event->accept();
    menuasked(event->globalPos());
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
    changed_ = rect();
}

void CanvasView::drawline(QPoint from, QPoint to, const QColor& colour) {
    // The pixels the pen covers are the rules' own, filled straight into the
    // picture: the page and the export fill the very same ones.
    penspans(from.x(), from.y(), to.x(), to.y(), drawing_.devicePixelRatio(), spans_);
    const QRgb rgb = colour.rgb();
    const int width = drawing_.width();
    const int height = drawing_.height();
    for (const PenSpan& span : spans_) {
        if (span.y < 0 || span.y >= height) continue;
        const int left = std::max(span.left, 0);
        const int right = std::min(span.right, width);
        if (left >= right) continue;
        QRgb* row = reinterpret_cast<QRgb*>(drawing_.scanLine(span.y));
        std::fill(row + left, row + right, rgb);
    }
    changed_ |= QRect(from, to).normalized().adjusted(-penwidth, -penwidth, penwidth, penwidth);
}

void CanvasView::showchanges() {
    const auto lines = paintorder(model_);
    bool moved = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (*lines[i] == spritelines_[i]) continue;
        spritelines_[i] = *lines[i];
        moved = true;
    }
    if (moved) {
        const QRect now = spritearea();
        changed_ |= shownsprite_ | now;
        shownsprite_ = now;
    }
    if (changed_.isEmpty()) return;
    update(changed_);
    unpainted_ |= changed_;
    changed_ = QRect();
}

void CanvasView::paintchangesnow() {
    if (!unpainted_.isEmpty()) repaint(unpainted_);
}

const QImage& CanvasView::drawing() {
    return drawing_;
}

QRect CanvasView::spritearea() const {
    QRect area;
    for (const LineControl& line : spritelines_)
        if (line.visible) area |= linearea(line);
    return area;
}

void CanvasView::paintEvent(QPaintEvent* event) {
    unpainted_ = QRect();
    QPainter painter(this);
    const QRect covered(QPoint(0, 0), drawing_.deviceIndependentSize().toSize());
    if (!covered.contains(event->rect()))
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.drawImage(QPointF(0, 0), drawing_);
}

void CanvasView::paintsprite(QPainter& painter) const {
    // Round caps close the body's corners and give the robot a rounded shell.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LineControl& line : spritelines_) {
        if (!line.visible || line.thickness <= 0) continue;
        painter.setPen(
            QPen(qcolour(line.colour), line.thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

} // namespace jex::qt
