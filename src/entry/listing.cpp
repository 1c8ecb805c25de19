// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/listing.h"

#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "core/commands.h"

#include <algorithm>
#include <cmath>

namespace jex {
namespace {

// The word, one space, and for a number that is not a marker its sign
// position (a space) and digits.
std::string wordline(int indent, int word, const Argument& argument) {
    std::string line(static_cast<std::size_t>(std::max(indent, 0)), ' ');
    line += text(word);
    line += ' ';
    const int number = valueof(argument);
    if (number > -1) line += ' ' + std::to_string(number);
    return line;
}

void printrow(JexState& jex, int step, int slot) {
    jex.windows.program.programtext.lines.push_back({jex.listinglines[step][slot], {}});
}

void startlisting(JexState& jex, int slot) {
    jex.windows.program.nameheader.caption = jex.store.slotname[slot];
    jex.windows.program.programtext.lines.clear();
    buildlisting(jex, slot);
}

} // namespace

void buildlisting(JexState& jex, int slot) {
    jex.listingindent[slot] = 1;
    for (int step = 1; step <= lastrow; ++step) {
        jex.listinglines[step][slot].clear();
        buildline(jex, step, slot);
    }
}

void buildline(JexState& jex, int step, int slot) {
    const CommandKind kind = commandinfo(jex.store.commands[step][slot]).kind;
    std::string& line = jex.listinglines[step][slot];
    Int16& indent = jex.listingindent[slot];
    if (kind == CommandKind::end) --indent;
    line = stepline(jex, step, slot, indent);
    if (kind == CommandKind::repeat) ++indent;
}

std::string stepline(const JexState& jex, int step, int slot, int indent) {
    const CommandInfo& command = commandinfo(jex.store.commands[step][slot]);
    if (command.kind == CommandKind::call)
        return std::string(static_cast<std::size_t>(std::max(indent, 0)), ' ') +
               jex.store.slotname[command.calls];
    if (command.word != 0) return wordline(indent, command.word, jex.store.arguments[step][slot]);
    return {};
}

int visiblelines(const JexState& jex) {
    const ListingBox& box = jex.windows.program.programtext;
    const double lineheight = box.font.points * 24;  // 1.2 lines of 20 twips to the point
    return static_cast<int>(std::floor(box.height / lineheight)) - 1;
}

void showlisting(JexState& jex, int slot) {
    startlisting(jex, slot);
    const int last = jex.store.stepcount[slot];
    const int first = std::max(last - visiblelines(jex), 1);
    for (int step = first; step <= last; ++step) printrow(jex, step, slot);
}

void showstep(JexState& jex, int slot, int step) {
    startlisting(jex, slot);
    const int visible = visiblelines(jex);
    const int count = jex.store.stepcount[slot];
    int first = std::max(step - visible, 1);
    int last = first + visible;
    if (last > count) {
        last = count;
        first = std::max(count - visible, 1);
    }
    for (int row = first; row <= last; ++row) {
        if (row == step)
            highlightline(jex, row, slot);
        else
            printrow(jex, row, slot);
    }
}

void highlightline(JexState& jex, int step, int slot) {
    const std::string& line = jex.listinglines[step][slot];
    const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
    jex.windows.program.programtext.lines.push_back(
        {line.substr(0, indent), line.substr(indent, 100)});
}

} // namespace jex
