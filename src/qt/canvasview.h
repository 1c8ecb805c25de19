// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area. What is drawn on it stays in a picture of its own, so
// that it survives being covered and uncovered; the robot's eight lines lie
// over that picture and are painted over it, never into it. The robot lies
// over the target too, so a pupil sees it arrive there.
#pragma once

#include "canvas/penline.h"
#include "core/controls.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace jex::qt {

class CanvasView;

// The layer the robot is painted on, above every control of the drawing area.
// Clicks go through it to whatever lies beneath.
class SpriteLayer final : public QWidget {
  public:
    explicit SpriteLayer(CanvasView& canvas);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CanvasView& canvas_;
};

class CanvasView final : public QWidget {
  public:
    // The sprite's lines are read from the model at each paint.
    explicit CanvasView(const GraphicsWindow& model, QWidget* parent = nullptr);

    // Wipes the drawing with the picture stretched over an area of that size;
    // the colour shows where there is no picture to paint.
    void paintpicture(const QImage& picture, QSize size, const QColor& background);

    // Draws a pen line into the drawing. It shows at the next showchanges().
    void drawline(QPoint from, QPoint to, const QColor& colour);

    // Asks for a paint of what changed since the last call: new pen lines,
    // and the sprite where its lines were and are.
    void showchanges();
    // Paints at once what showchanges() asked for.
    void paintchangesnow();

    // The drawing as it stands, pen lines and all, without the sprite.
    const QImage& drawing();

    // The drawing area as it is shown: the drawing, the target and the robot,
    // at the screen's full pixel density.
    QPixmap picture();

    // Keeps the robot's layer above the controls laid on the drawing area.
    void liftsprite();

    // Asked for the drawing area's own menu, at that point of the screen.
    std::function<void(QPoint)> menuasked;

    void paintsprite(QPainter& painter) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QRect spritearea() const;

    const GraphicsWindow& model_;
    QImage drawing_;
    std::vector<PenSpan> spans_; // kept from one pen line to the next
    QRect changed_;   // since the last showchanges()
    QRect unpainted_; // asked for and not yet painted
    QRect shownsprite_;
    std::array<LineControl, 8> spritelines_{};
    SpriteLayer spritelayer_;
};

} // namespace jex::qt
