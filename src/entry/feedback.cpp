// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/feedback.h"

#include "core/platform.h"
#include "core/programstore.h"
#include "core/state.h"
#include "core/texts.h"
#include "entry/listing.h"
#include "entry/timerwaits.h"

#include <algorithm>
#include <cmath>

namespace jex {
namespace {

// The same refusal again within this long of the last one (a key the keyboard
// repeats, or presses that waited while the failure sound played) is shown but
// not sounded again: each sound holds the program up for a second, and a held
// key would otherwise queue them by the dozen.
constexpr double refusalburstgap = 0.5; // seconds

bool sameburst(JexState& jex, int textnumber, double now) {
    const double since = now - jex.lastrefusedat;
    // The clock goes back to 0 at midnight.
    return textnumber == jex.lastrefusal && since >= 0 && since < refusalburstgap;
}
// Below this a message could not be read anyway.
constexpr double smallestpoints = 4;

} // namespace

void refreshlisting(JexState& jex) {
    showlisting(jex, jex.currentslot);
    jex.windows.graphics.warnings.caption.clear();
}

void showmessage(JexState& jex, int textnumber) {
    jex.windows.graphics.warnings.caption = text(textnumber);
    ++jex.windows.graphics.warningsshown;
    fitmessage(jex);
}

void fitmessage(JexState& jex) {
    Control& line = jex.windows.graphics.warnings;
    line.font.points = graphicspoints;
    const double room = line.width - 2 * labelpadding;
    if (line.caption.empty() || jex.platform.textwidth(line.font, line.caption) <= room) return;
    // Type does not scale quite in proportion: start from the proportional
    // size and step down until the message fits.
    const double wide = jex.platform.textwidth(line.font, line.caption);
    double points = std::floor(graphicspoints * std::max(room, 0.0) / wide * 10) / 10;
    while (points > smallestpoints &&
           jex.platform.textwidth(Font{points, line.font.bold}, line.caption) > room)
        points = std::round((points - 0.1) * 10) / 10;
    line.font.points = std::max(points, smallestpoints);
}

void reportproblem(JexState& jex, int textnumber) {
    showmessage(jex, textnumber);
    playwave(jex, "nay");
}

void refusekey(JexState& jex, int textnumber) {
    showmessage(jex, textnumber);
    if (!sameburst(jex, textnumber, jex.platform.timeofday())) playwave(jex, "nay");
    // Counted from the end of the sound: what was pressed meanwhile comes now.
    jex.lastrefusal = textnumber;
    jex.lastrefusedat = jex.platform.timeofday();
}

void reportsuccess(JexState& jex, int textnumber) {
    showmessage(jex, textnumber);
    pointeightsec(jex);
    playwave(jex, "yea");
}

bool readytorun(JexState& jex) {
    const std::optional<int> problem = whynotready(jex);
    if (problem) refusekey(jex, *problem);
    return !problem;
}

} // namespace jex
