// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/picture.h"

#include "core/platform.h"
#include "core/state.h"
#include "files/folders.h"

#include <system_error>

namespace jex {

std::filesystem::path picturefile() {
    const auto folder = picturefolder();
    return folder ? *folder / "picture.jpg" : std::filesystem::path();
}

void getpicture(JexState& jex) {
    makepicturefolders();
    // Only a plain file is read: opening a pipe or a device of that name
    // would wait for ever, or read without end, before any window is shown.
    std::error_code unreadable;
    const bool plainfile = std::filesystem::is_regular_file(picturefile(), unreadable);
    jex.pictureloaded = plainfile && jex.platform.loadbackgroundpicture(picturefile().string());
    if (!jex.pictureloaded) jex.platform.usebuiltinpicture();
}

} // namespace jex
