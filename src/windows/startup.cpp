// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup.h"

#include "canvas/tools.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/loadsave.h"
#include "windows/layout.h"
#include "windows/picture.h"

namespace jex {

void program_Load(JexState& jex) {
    getpicture(jex);
    initvariables(jex);
    layoutwindows(jex);
    getdefault(jex);
    jex.store.slotname[0] = text(textid::myprogram);
    jex.authorname = text(textid::me);
    centrerobot(jex);
    playwave(jex, "yea");
}

} // namespace jex
