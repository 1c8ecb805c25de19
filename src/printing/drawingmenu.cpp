// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/drawingmenu.h"

#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/feedback.h"
#include "files/folders.h"
#include "printing/printbutton.h"

#include <filesystem>
#include <optional>

namespace jex {
namespace {

constexpr std::string_view pictureextension = ".png";
constexpr std::string_view pageextension = ".pdf";

// Asks where to save, in the author's folder; the path chosen, with the
// extension added when it was not typed, or nothing for a cancel.
std::optional<std::string> askwhere(JexState& jex, int title, int filter,
                                    std::string_view extension) {
    makeprogramfolders(jex);
    const auto folder = authorfolder(jex.authorname);
    if (!folder) return std::nullopt;
    const auto chosen = jex.platform.asksavefile(
        {text(title), folder->string(), offeredfilename(jex, extension), text(filter)});
    if (!chosen || chosen->empty()) return std::nullopt;
    std::string path = *chosen;
    if (!hasextension(path, extension)) path += extension;
    return path;
}

bool savepicture(JexState& jex) {
    const auto path = askwhere(jex, textid::savepicture, textid::picturefilter, pictureextension);
    return path && jex.platform.savepicture(*path);
}

bool savepage(JexState& jex) {
    const auto path = askwhere(jex, textid::savepage, textid::pagefilter, pageextension);
    return path && printtofile(jex, *path);
}

} // namespace

std::vector<DrawingMenuEntry> Picture1_RightClick(JexState& jex) {
    if (stopifrunning(jex)) return {};
    return {{DrawingMenuItem::copypicture, text(textid::copypicture)},
            {DrawingMenuItem::savepicture, text(textid::savepicture)},
            {DrawingMenuItem::savepage, text(textid::savepage)}};
}

void drawingmenu_Click(JexState& jex, DrawingMenuItem item) {
    // The menu is gone by now, but a run may have started while it was open.
    if (stopifrunning(jex)) return;
    jex.windows.graphics.warnings.caption.clear();
    switch (item) {
    case DrawingMenuItem::copypicture:
        jex.platform.copypicture();
        showmessage(jex, textid::picturecopied);
        return;
    case DrawingMenuItem::savepicture:
        if (!savepicture(jex)) reportproblem(jex, textid::cancelled);
        return;
    case DrawingMenuItem::savepage:
        if (!savepage(jex)) reportproblem(jex, textid::cancelled);
        return;
    }
}

std::string offeredfilename(const JexState& jex, std::string_view extension) {
    // The extension has to fit in the file name too.
    const std::size_t longest = longestfilename - extension.size();
    std::string name = safename(jex.store.slotname[0], longest);
    if (name.empty()) name = safename(text(textid::myprogram), longest);
    return name + std::string(extension);
}

} // namespace jex
