// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/names.h"

#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/feedback.h"
#include "files/cp1252.h"
#include "files/programfile.h"

#include <vector>

namespace jex {
namespace {

// Where a box's name is shown decides how wide it may be.
struct BoxRule {
    Control& box;
    std::string& name;
    int defaultname;
    int trailingspaces;
    const Font& font;
    double limitpixels;
};

BoxRule ruleof(JexState& jex, NameBox which) {
    GraphicsWindow& graphics = jex.windows.graphics;
    const ProgramWindow& program = jex.windows.program;
    // The listing window is laid out in twips, the drawing window in pixels.
    const double twipsperpixel = jex.platform.screen().twipsperpixelx;
    const double headerwidth = program.nameheader.width / twipsperpixel;
    const double listingwidth = program.programtext.width / twipsperpixel;
    switch (which) {
    case NameBox::progname:
        return {graphics.progname, jex.store.slotname[0], textid::myprogram, 3, program.font,
                headerwidth};
    case NameBox::pf1:
        return {graphics.pf1, jex.store.slotname[1], textid::functionone, 5,
                program.font, listingwidth};
    case NameBox::pf2:
        return {graphics.pf2, jex.store.slotname[2], textid::functiontwo, 5,
                program.font, listingwidth};
    case NameBox::myname:
        break;
    }
    return {graphics.myname, jex.authorname,
            textid::me,      2,
            graphics.font,   static_cast<double>(graphics.myname.width)};
}

// Within the width it is shown in, and within what a program file can carry:
// characters that take no width at all still take a byte each in the file.
bool fits(JexState& jex, const BoxRule& rule, const std::string& text) {
    if (fieldbytes(text).size() > longesttextfield) return false;
    return jex.platform.textwidth(rule.font, text + std::string(rule.trailingspaces, ' ')) <=
           rule.limitpixels;
}

// The number of bytes of each leading run of whole UTF-8 characters.
std::vector<std::size_t> characterends(const std::string& text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    return ends;
}

// The longest front part that fits, as taking characters off the end one by
// one finds it; a longer text is never narrower nor shorter in the file, so
// halving finds it at once even in a pasted page of text.
std::string fittingfront(JexState& jex, const BoxRule& rule, const std::string& text) {
    const std::vector<std::size_t> ends = characterends(text);
    std::size_t fitting = 0; // characters known to fit
    std::size_t toowide = ends.size();
    while (toowide - fitting > 1) {
        const std::size_t middle = fitting + (toowide - fitting) / 2;
        if (fits(jex, rule, text.substr(0, ends[middle - 1])))
            fitting = middle;
        else
            toowide = middle;
    }
    return fitting == 0 ? std::string() : text.substr(0, ends[fitting - 1]);
}

} // namespace

void namebox_Change(JexState& jex, NameBox which, std::string newtext) {
    const BoxRule rule = ruleof(jex, which);
    std::string name = writablename(nearestwritable(newtext));
    const bool toolong = !fits(jex, rule, name);
    if (toolong) name = fittingfront(jex, rule, name);
    rule.box.caption = name;
    rule.name = name.empty() ? text(rule.defaultname) : name;
    refreshlisting(jex);
    if (toolong) refusekey(jex, textid::toolong);
}

void namebox_LostFocus(JexState& jex) {
    refreshlisting(jex);
}

} // namespace jex
