// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: names for the controls whose caption does not
// say what they are (the name boxes, the slider, the listing, the drawing
// area, the buttons whose caption is shared or only half the story), which
// label names which read-out, the windows as windows, the listing as a list
// and the status line as a message to be spoken.
#pragma once

#include <QString>

#include <array>

class QLabel;
class QWidget;

namespace jex::qt {

// The four windows in the order they are shown: keypad, tools, listing,
// drawing.
void nameforscreenreaders(const std::array<QWidget*, 4>& windows);

// Has a screen reader speak what the status line now says, even when it says
// the same as before.
void announce(QLabel& statusline);

// Has a screen reader speak a phrase as it speaks the status line's messages,
// through a line of the window's own that shows nothing.
void speak(QWidget& window, const QString& phrase);

} // namespace jex::qt
