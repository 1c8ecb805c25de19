// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area. What is drawn on it stays in a picture of its own, so
// that it survives being covered and uncovered.
#pragma once

#include <QImage>
#include <QWidget>

namespace jex::qt {

class CanvasView final : public QWidget {
  public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Wipes the drawing with the picture stretched over an area of that size;
    // the colour shows where there is no picture to paint.
    void paintpicture(const QImage& picture, QSize size, const QColor& background);

    // Draws a pen line into the drawing, in the drawing colour and width.
    void drawline(QPoint from, QPoint to);

    const QImage& drawing() const { return drawing_; }
    QImage& drawing() { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage drawing_;
};

} // namespace jex::qt
