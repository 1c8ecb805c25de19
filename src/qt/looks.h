// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and colours of the model, as Qt draws them.
#pragma once

#include "core/types.h"
#include "core/controls.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

namespace jex::qt {

// The design's "MS Sans Serif", named explicitly so that no other installed
// face can stand in for it.
inline constexpr const char* fontfamily = "DejaVu Sans";

QFont qfont(const Font& font);
QColor qcolour(const Colour& colour);

// A model caption on the screen: UTF-8, and a carriage return starts a line.
QString qtext(const std::string& caption);

// A text of the string table, by its number.
QString fromtable(int number);

// Style sheets that give each kind of control its flat coloured look.
QString labelstyle(const Control& control);
QString buttonstyle(const Control& control);
QString textboxstyle(const Control& control);
QString sliderstyle(const Control& control);

} // namespace jex::qt
