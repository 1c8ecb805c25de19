// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/picture.h"

#include "core/platform.h"
#include "core/state.h"
#include "files/folders.h"

namespace jex {

std::filesystem::path picturefile() {
    const auto folder = picturefolder();
    return folder ? *folder / "picture.jpg" : std::filesystem::path();
}

void getpicture(JexState& jex) {
    makepicturefolders();
    jex.pictureloaded = jex.platform.loadbackgroundpicture(picturefile().string());
    if (!jex.pictureloaded) jex.platform.usebuiltinpicture();
}

} // namespace jex
