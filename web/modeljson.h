// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the model as the page draws them: one JSON object, every
// place and size in the page's pixels.
#pragma once

#include "core/controls.h"
#include "core/platform.h"

#include <string>

namespace jex::web {

// {"buttons": window, "funnies": …, "program": …, "graphics": …,
//  "exitwindow": …}; a window is {"box": [left, top, width, height],
//  "shown", "background", "points", "title" (its number in the string table),
//  "controls": {name: control}}, a control
//  [left, top, width, height, caption, background, foreground, points, bold,
//  visible, bitmap]; colours are "#rrggbb". The listing box adds "lines"
//  ([plain, emphasised] each) and the drawing window "sprite" (eight
//  [x1, y1, x2, y2, thickness, colour, visible]), the slider its range.
std::string modeljson(const Windows& windows, const ScreenInfo& screen);

// A text as a JSON string, quotes included.
std::string jsonstring(std::string_view text);

} // namespace jex::web
