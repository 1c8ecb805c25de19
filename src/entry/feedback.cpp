// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/feedback.h"

#include "core/programstore.h"
#include "core/state.h"
#include "core/texts.h"
#include "entry/listing.h"
#include "entry/timerwaits.h"

namespace jex {

void refreshlisting(JexState& jex) {
    showlisting(jex, jex.currentslot);
    jex.windows.graphics.warnings.caption.clear();
}

void showmessage(JexState& jex, int textnumber) {
    jex.windows.graphics.warnings.caption = text(textnumber);
    ++jex.windows.graphics.warningsshown;
}

void reportproblem(JexState& jex, int textnumber) {
    showmessage(jex, textnumber);
    playwave(jex, "nay");
}

void reportsuccess(JexState& jex, int textnumber) {
    showmessage(jex, textnumber);
    pointeightsec(jex);
    playwave(jex, "yea");
}

bool readytorun(JexState& jex) {
    const std::optional<int> problem = whynotready(jex);
    if (problem) reportproblem(jex, *problem);
    return !problem;
}

} // namespace jex
