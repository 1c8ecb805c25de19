// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help.h"

#include "core/textids.h"
#include "core/texts.h"
#include "entry/keys.h"

#include <iterator>
#include <utility>

namespace jex {
namespace {

// What each key that is not a digit does.
constexpr std::pair<Key, int> keysdo[] = {
    {Key::forwards, textid::forwardsdoes},
    {Key::backwards, textid::backwardsdoes},
    {Key::leftbutton, textid::leftdoes},
    {Key::rightbutton, textid::rightdoes},
    {Key::note, textid::notedoes},
    {Key::flash, textid::flashdoes},
    {Key::pause, textid::pausedoes},
    {Key::repeat, textid::repeatdoes},
    {Key::endbutton, textid::enddoes},
    {Key::go, textid::godoes},
    {Key::test, textid::testdoes},
    {Key::cm, textid::cmdoes},
    {Key::ce, textid::cedoes},
    {Key::rm, textid::rmdoes},
};

int whatkeydoes(Key key) {
    for (const auto& [which, does] : keysdo)
        if (which == key) return does;
    return 0;
}

// The keys that work each tool, in the order of the tools' texts: pen,
// speed, centre, clear, target, load and save, print, change and use, the
// drawing's menu, stopping a run.
constexpr int toolkeys[] = {
    textid::tabthenspace, textid::tabthenarrows, textid::tabthenspace,    textid::tabthenspace,
    textid::targetkeys,   textid::tabthenspace,  textid::tabthenspace,    textid::tabthenspace,
    textid::drawingmenukeys, textid::stoppingkeys,
};
static_assert(std::size(toolkeys) * 2 == textid::lasttoolhelp + 1 - textid::firsttoolhelp);

} // namespace

std::vector<HelpEntry> keypadhelp() {
    std::vector<HelpEntry> entries{{text(textid::digitsname), text(textid::digitsdo), {}}};
    for (int index = 0; index < keycount; ++index) {
        const Key key = static_cast<Key>(index);
        if (keydigit(key) >= 0) continue;
        entries.push_back({text(textid::firstkeypadname + index), text(whatkeydoes(key)), key});
    }
    return entries;
}

std::vector<HelpEntry> toolhelp() {
    std::vector<HelpEntry> entries;
    for (int number = textid::firsttoolhelp; number < textid::lasttoolhelp; number += 2)
        entries.push_back({text(number), text(number + 1), {},
                           text(toolkeys[(number - textid::firsttoolhelp) / 2])});
    return entries;
}

} // namespace jex
