// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowtitles.h"

#include "core/texts.h"

namespace jex::bench {

std::vector<std::string> windowtitles() {
    constexpr int firsttitle = 90;
    std::vector<std::string> titles;
    for (int number = firsttitle; number < firsttitle + 4; ++number)
        titles.push_back(text(number));
    return titles;
}

} // namespace jex::bench
