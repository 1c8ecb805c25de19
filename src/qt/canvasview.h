// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area. What is drawn on it stays in a picture of its own, so
// that it survives being covered and uncovered; the robot's eight lines lie
// over that picture and are painted over it, never into it.
#pragma once

#include "core/controls.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <array>

namespace jex::qt {

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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void endpen();
    void paintsprite(QPainter& painter) const;
    QRect spritearea() const;

    const GraphicsWindow& model_;
    QImage drawing_;
    // Kept open from one pen line to the next: a run at full speed draws far
    // more lines than the screen shows frames.
    QPainter pen_;
    QRect changed_;   // since the last showchanges()
    QRect unpainted_; // asked for and not yet painted
    QRect shownsprite_;
    std::array<LineControl, 8> spritelines_{};
};

} // namespace jex::qt
