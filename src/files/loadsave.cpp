// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loadsave.h"

#include "canvas/tools.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/backup.h"
#include "entry/feedback.h"
#include "entry/keypad.h"
#include "entry/listing.h"
#include "entry/spoken.h"
#include "files/cp1252.h"
#include "files/diskfiles.h"
#include "files/folders.h"
#include "files/names.h"
#include "files/programfile.h"

namespace jex {
namespace {

constexpr std::string_view extension = ".jex";
constexpr std::string_view defaultsauthor = "defaults";
constexpr std::string_view defaultsfile = "defaults.jex";

std::optional<FileRequest> filerequest(int title, std::string_view author, std::string filename) {
    const auto folder = authorfolder(author);
    if (!folder) return std::nullopt;
    return FileRequest{text(title), folder->string(), std::move(filename),
                       text(textid::filefilter)};
}

ProgramFile programinmemory(const JexState& jex) {
    return {jex.authorname, jex.store};
}

// The save's work; false for every way it can fail.
bool trysave(JexState& jex) {
    makeprogramfolders(jex);
    // The program's name offered as the file's name stays in the author's
    // folder and leaves room for the extension; what the pupil then types or
    // picks is theirs.
    const auto request =
        filerequest(textid::save, jex.authorname,
                    safename(jex.store.slotname[0], longestfilename - extension.size()));
    if (!request) return false;
    const auto chosen = jex.platform.asksavefile(*request);
    if (!chosen) return false;

    // A name typed without the extension gets it, and the program is named by
    // all of what was typed.
    std::filesystem::path file(*chosen);
    std::string filename = file.filename().string();
    if (!hasextension(filename, extension)) {
        filename += extension;
        file.replace_filename(filename);
    }
    // Named as the box will show it: a letter the file cannot hold is kept in
    // its nearest form, never as "?".
    const std::string name =
        writablename(nearestwritable(filename.substr(0, filename.size() - extension.size())));
    if (name.empty()) return false;

    ProgramFile program = programinmemory(jex);
    program.store.slotname[0] = name;
    if (!replacefile(file, writeprogram(program))) return false;

    jex.saved = true;
    namebox_Change(jex, NameBox::progname, name);
    say(jex, filltext(textid::savedas, {name}));
    return true;
}

} // namespace

void saveprogram(JexState& jex) {
    jex.windows.graphics.warnings.caption.clear();
    if (trysave(jex)) return;
    showmessage(jex, textid::cancelled);
    jex.saved = false;
}

void loadprogram(JexState& jex) {
    makeprogramfolders(jex);
    const GraphicsWindow& graphics = jex.windows.graphics;
    const auto request =
        filerequest(textid::load, graphics.myname.caption, graphics.progname.caption);
    const auto chosen = request ? jex.platform.askopenfile(*request) : std::nullopt;
    if (!chosen) {
        reportproblem(jex, textid::cantopenfile);
        return;
    }
    openprogram(jex, *chosen);
}

Opened openprogram(JexState& jex, const std::filesystem::path& file) {
    const auto bytes = readwholefile(file, largestprogramfile);
    ReadResult read = bytes ? readprogram(*bytes) : ReadResult{};
    std::error_code unknown;
    if (!bytes && std::filesystem::file_size(file, unknown) > largestprogramfile && !unknown)
        read.refusal = filetoolarge;
    if (!read.program) {
        reportproblem(jex, textid::cantopenfile);
        return {false, read.refusal};
    }
    installprogram(jex, *read.program);
    newprog(jex);
    jex.windows.graphics.change1.caption = text(textid::change);
    jex.windows.graphics.change2.caption = text(textid::change);
    say(jex, slotwords(jex, 0));
    return {true, {}};
}

std::string notopenedline(const std::filesystem::path& file, const Opened& opened) {
    std::string line = text(textid::cannotreadprogram) + file.string();
    if (!opened.refusal.empty()) line += text(textid::refusedbecause) + opened.refusal;
    return line;
}

void getdefault(JexState& jex) {
    jex.authorname = defaultsauthor;
    makeprogramfolders(jex);
    const auto folder = authorfolder(defaultsauthor);
    if (!folder) return;
    const auto bytes = readwholefile(*folder / defaultsfile, largestprogramfile);
    if (!bytes) return;
    ReadResult read = readprogram(*bytes);
    if (!read.program) return;
    // The defaults give the steps and the functions' names, never the main
    // program's name or the author.
    read.program->store.slotname[0] = text(textid::myprogram);
    read.program->authorname = text(textid::me);
    installprogram(jex, *read.program);
    newprog(jex);
}

void installprogram(JexState& jex, const ProgramFile& program) {
    jex.store = program.store;
    jex.authorname = program.authorname;
    settleentrystates(jex);
}

void newprog(JexState& jex) {
    jex.currentslot = 0;
    backup(jex);
    showlisting(jex, 0);
    namebox_Change(jex, NameBox::progname, jex.store.slotname[0]);
    namebox_Change(jex, NameBox::pf1, jex.store.slotname[1]);
    namebox_Change(jex, NameBox::pf2, jex.store.slotname[2]);
    namebox_Change(jex, NameBox::myname, jex.authorname);
    jex.saved = true;
    centrerobot(jex);
    // Clearing paints the background picture over the whole drawing area.
    cleardrawing(jex);
}

} // namespace jex
