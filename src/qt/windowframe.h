// SPDX-License-Identifier: GPL-3.0-or-later
// The frame a window manager puts around each window.
#pragma once

#include "core/platform.h"

namespace jex::qt {

// Asks the window manager how wide the frame of a new window will be. With no
// window manager, or one that does not answer at once, there is no frame.
FrameMargins windowframe();

} // namespace jex::qt
