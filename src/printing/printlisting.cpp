// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printlisting.h"

#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/listing.h"
#include "printing/page.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace jex {
namespace {

constexpr double datepoints = 10;
constexpr double titlepoints = 18;
constexpr double listingpoints = 14;

std::string number(int value, int digits) {
    std::array<char, 16> written{};
    std::snprintf(written.data(), written.size(), "%0*d", digits, value);
    return written.data();
}

// Each slot's column starts a quarter of a column in.
double columnx(const JexState& jex, int slot) {
    return (slot + 0.25) * jex.windows.graphics.Picture1.width / slotcount;
}

} // namespace

std::string datetext(std::string_view pattern, const CalendarDate& date) {
    struct Field {
        std::string_view letters;
        int value;
        int digits;
    };
    const std::array<Field, 6> fields{{{"yyyy", date.year, 4},
                                       {"yy", date.year % 100, 2},
                                       {"mm", date.month, 2},
                                       {"m", date.month, 1},
                                       {"dd", date.day, 2},
                                       {"d", date.day, 1}}};
    std::string written;
    while (!pattern.empty()) {
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const Field& f) {
            return pattern.starts_with(f.letters);
        });
        if (field == fields.end()) {
            written += pattern.front();
            pattern.remove_prefix(1);
        } else {
            written += number(field->value, field->digits);
            pattern.remove_prefix(field->letters.size());
        }
    }
    return written;
}

std::string titletext(const JexState& jex) {
    return jex.store.slotname[0] + text(textid::writtenby) + jex.authorname;
}

void printheader(JexState& jex, Page& page) {
    const int width = jex.windows.graphics.Picture1.width;
    page.setfontsize(datepoints);
    page.setcurrenty(jex.windows.graphics.Picture1.height);
    const std::string date = datetext(text(textid::datepattern), jex.platform.today());
    page.setcurrentx(width - page.textwidth(date));
    page.printtext(date, LineEnd::next);

    page.setfontsize(titlepoints);
    const std::array<std::string, 3> pieces{jex.store.slotname[0], text(textid::writtenby),
                                            jex.authorname};
    page.setcurrentx((width - page.textwidth(titletext(jex))) / 2);
    for (const std::string& piece : pieces)
        page.printtext(piece, LineEnd::stay);
}

void printlisting(JexState& jex, Page& page) {
    // Ends the title's line, then leaves one blank line of the title's size.
    page.newline();
    page.newline();

    page.setfontsize(listingpoints);
    int rows = 0;
    for (int slot = 0; slot < slotcount; ++slot) {
        page.setcurrentx(columnx(jex, slot));
        page.printtext(jex.store.slotname[slot] + ' ', LineEnd::stay);
        buildlisting(jex, slot);
        // A count beyond what a slot can hold would read past the listing's rows.
        rows = std::max(rows, std::clamp<int>(jex.store.stepcount[slot], 0, maxsteps));
    }
    page.newline();

    for (int row = 1; row <= rows; ++row) {
        for (int slot = 0; slot < slotcount; ++slot) {
            page.setcurrentx(columnx(jex, slot));
            page.printtext(jex.listinglines[row][slot], LineEnd::stay);
        }
        page.newline();
    }
}

} // namespace jex
