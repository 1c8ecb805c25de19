// SPDX-License-Identifier: GPL-3.0-or-later
// A key of the robot's keypad: a button that shows its face picture.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QSvgRenderer>

namespace jex::qt {

class KeyButton final : public QAbstractButton {
  public:
    explicit KeyButton(QWidget* parent = nullptr);

    // The face, an SVG drawing among the program's resources.
    void setface(const QString& resource);
    const QString& face() const { return face_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap& facepixmap(qreal pixelratio);

    QString face_;
    QSvgRenderer renderer_;
    QPixmap cached_;
};

} // namespace jex::qt
