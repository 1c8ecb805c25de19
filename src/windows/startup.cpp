// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup.h"

#include "canvas/tools.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/loadsave.h"
#include "windows/controltable.h"
#include "windows/layout.h"
#include "windows/picture.h"

namespace jex {
void startwindows(JexState& jex) {
    for (const ControlEntry& entry : controltable())
        if (entry.caption != notext) entry.control(jex.windows).caption = text(entry.caption);
    setpen(jex, false);
    jex.windows.graphics.target.visible = false;
    jex.platform.paintbackground();
}

void program_Load(JexState& jex) {
    getpicture(jex);
    initvariables(jex);
    layoutwindows(jex);
    startwindows(jex);
    getdefault(jex);
    jex.store.slotname[0] = text(textid::myprogram);
    jex.authorname = text(textid::me);
    centrerobot(jex);
    playwave(jex, "yea");
}

} // namespace jex
