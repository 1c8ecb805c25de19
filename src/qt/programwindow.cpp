// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/programwindow.h"

#include "core/state.h"
#include "core/textids.h"
#include "files/exit.h"
#include "qt/looks.h"

namespace jex::qt {

programwindow::programwindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.program, Units::twips), exitbutton_(this),
      nameheader_(this), programtext_(this) {
    ProgramWindow& model = jex.windows.program;
    button(exitbutton_, model.exitbutton);
    bind(nameheader_, model.nameheader);
    bind(programtext_, model.programtext);
    programtext_.reading = [this](ListingMove move) {
        forward([move](JexState& state) { readlisting(state, move); });
    };
    programtext_.focused = [this] { forward(listing_GotFocus); };
}

void programwindow::syncextras(const ScreenInfo& screen) {
    const ListingBox& model = jex_.windows.program.programtext;
    programtext_.setlines(model.lines);
    // An empty title would be read as nothing at all.
    const QString title = jex_.windows.program.nameheader.caption.empty()
                              ? fromtable(textid::unnamedprogram)
                              : QString();
    if (nameheader_.accessibleName() != title) nameheader_.setAccessibleName(title);
    // Each line takes 1.2 times the font size, at 20 twips to the point.
    programtext_.setlinespacing(1.2 * model.font.points * 20 / screen.twipsperpixely);
}

} // namespace jex::qt
