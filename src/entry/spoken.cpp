// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/spoken.h"

#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/listing.h"

#include <algorithm>

namespace jex {
namespace {

// Runs of spaces become one, and none is left at either end.
std::string simplified(const std::string& line) {
    std::string words;
    for (const char c : line) {
        if (c == ' ' && (words.empty() || words.back() == ' ')) continue;
        words += c;
    }
    if (!words.empty() && words.back() == ' ') words.pop_back();
    return words;
}

} // namespace

std::string filltext(int textnumber, std::initializer_list<std::string> values) {
    const std::string pattern = text(textnumber);
    std::string filled;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto which = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && which < values.size()) {
            filled += *(values.begin() + which);
            ++at;
        } else {
            filled += pattern[at];
        }
    }
    return filled;
}

std::string pairwords(const std::string& first, const std::string& second) {
    return filltext(textid::spokenpair, {first, second});
}

std::string stepwords(const JexState& jex, int step, int slot) {
    if (step < 1 || step > jex.store.stepcount[slot]) return {};
    return simplified(stepline(jex, step, slot, 0));
}

std::string stepcountwords(int count) {
    if (count == 0) return text(textid::nosteps);
    if (count == 1) return text(textid::onestep);
    return filltext(textid::manysteps, {std::to_string(count)});
}

std::string slotwords(const JexState& jex, int slot) {
    return pairwords(jex.store.slotname[slot], stepcountwords(jex.store.stepcount[slot]));
}

std::string placewords(const JexState& jex) {
    return filltext(textid::robotplace, {std::to_string(jex.robotx), std::to_string(jex.roboty),
                                         std::to_string(jex.robotheading)});
}

void say(JexState& jex, const std::string& phrase) {
    if (!phrase.empty()) jex.platform.speak(phrase);
}

void saylaststep(JexState& jex) {
    const int s = jex.currentslot;
    say(jex, stepwords(jex, jex.store.stepcount[s], s));
}

void readlisting(JexState& jex, ListingMove move) {
    const int s = jex.currentslot;
    const int count = jex.store.stepcount[s];
    if (count == 0) {
        say(jex, slotwords(jex, s));
        return;
    }
    // A row no longer in the slot (steps were rubbed out meanwhile) counts as
    // none read yet.
    const int read = jex.readingrow >= 1 && jex.readingrow <= count ? jex.readingrow : 0;
    int row = 1;
    switch (move) {
    case ListingMove::first: row = 1; break;
    case ListingMove::last: row = count; break;
    case ListingMove::down: row = read == 0 ? 1 : std::min(read + 1, count); break;
    case ListingMove::up: row = read == 0 ? count : std::max(read - 1, 1); break;
    }
    jex.readingrow = static_cast<Int16>(row);
    // The row read is shown as a run shows its step, for whoever looks on;
    // during a run the listing shows the run.
    if (!jex.running) showstep(jex, s, row);
    say(jex, filltext(textid::listingrow,
                      {std::to_string(row), std::to_string(count), stepwords(jex, row, s)}));
}

void listing_GotFocus(JexState& jex) {
    jex.readingrow = 0;
    say(jex, slotwords(jex, jex.currentslot));
}

} // namespace jex
