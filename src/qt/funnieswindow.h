// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing tools and the robot's read-outs.
#pragma once

#include "qt/modelwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace jex::qt {

class funnieswindow final : public ModelWindow {
  public:
    funnieswindow(JexState& jex, QtPlatform& platform);

    QSlider& Slider1() { return Slider1_; }

  private:
    void syncextras(const ScreenInfo& screen) override;

    QLabel xheading_, JEXX_, yheading_, JEXY_, angleheading_, JEXangle_, speed_, penlabel_;
    QSlider Slider1_;
    QPushButton penon_, penoff_, target_, clear_, centre_;
};

} // namespace jex::qt
