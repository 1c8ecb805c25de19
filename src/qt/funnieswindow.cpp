// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/funnieswindow.h"

#include "canvas/tools.h"
#include "core/state.h"

#include <QSignalBlocker>

namespace jex::qt {

funnieswindow::funnieswindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.funnies, Units::twips), xheading_(this), JEXX_(this),
      yheading_(this), JEXY_(this), angleheading_(this), JEXangle_(this), speed_(this),
      penlabel_(this), Slider1_(Qt::Horizontal, this), penon_(this), penoff_(this), target_(this),
      clear_(this), centre_(this) {
    FunniesWindow& model = jex.windows.funnies;
    bind(xheading_, model.xheading);
    bind(JEXX_, model.JEXX);
    bind(yheading_, model.yheading);
    bind(JEXY_, model.JEXY);
    bind(angleheading_, model.angleheading);
    bind(JEXangle_, model.JEXangle);
    bind(speed_, model.speed);
    bind(penlabel_, model.penlabel);

    bind(Slider1_, model.Slider1);
    QObject::connect(&Slider1_, &QSlider::valueChanged, this, [this](int value) {
        forward([value](JexState& state) { Slider1_Change(state, value); });
    });

    button(penon_, model.penon);
    button(penoff_, model.penoff);
    // The colours show which of the two holds; a screen reader is told the
    // same as their checked state.
    penon_.setCheckable(true);
    penoff_.setCheckable(true);
    button(target_, model.target);
    button(clear_, model.clear);
    button(centre_, model.centre);
}

void funnieswindow::syncextras(const ScreenInfo&) {
    const bool down = pendown(jex_);
    if (penon_.isChecked() != down) penon_.setChecked(down);
    if (penoff_.isChecked() == down) penoff_.setChecked(!down);

    const Slider& model = jex_.windows.funnies.Slider1;
    // Putting the model's value back must not count as the pupil moving it.
    const QSignalBlocker quiet(Slider1_);
    if (Slider1_.minimum() != model.minimum || Slider1_.maximum() != model.maximum)
        Slider1_.setRange(model.minimum, model.maximum);
    if (Slider1_.pageStep() != model.largechange) Slider1_.setPageStep(model.largechange);
    if (Slider1_.value() != model.value) Slider1_.setValue(model.value);
}

} // namespace jex::qt
