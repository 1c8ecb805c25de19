// SPDX-License-Identifier: GPL-3.0-or-later
// The ring around the control that has the keyboard, in any of the program's
// windows: a dark band inside a light one, so that one of the two stands out
// from any colour around the control and from any colour of the control
// itself (the green drawing, the yellow buttons, the dark keypad, a white box).
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace jex::qt {

// The ring itself: drawn over the window's controls, it lets clicks through.
class FocusRingShape final : public QWidget {
  public:
    explicit FocusRingShape(QWidget& window);

    // How far the ring reaches out from the control's edge, in pixels.
    static constexpr int reach = 4;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Puts the ring around whatever control has the keyboard and keeps it there
// as the control moves, and takes it away as the control goes.
class FocusRing final : public QObject {
  public:
    // Rings the controls of the windows `ours` accepts.
    explicit FocusRing(std::function<bool(const QWidget* window)> ours);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow(QWidget* focus);
    void place();

    std::function<bool(const QWidget*)> ours_;
    QPointer<QWidget> ringed_;
    QPointer<FocusRingShape> shape_; // a child of the ringed control's window
};

} // namespace jex::qt
