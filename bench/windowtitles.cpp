// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowtitles.h"

#include "core/textids.h"
#include "core/texts.h"

namespace jex::bench {

std::vector<std::string> windowtitles() {
    std::vector<std::string> titles;
    for (int number :
         {textid::programtitle, textid::keypadtitle, textid::toolstitle, textid::drawingtitle})
        titles.push_back(text(number));
    return titles;
}

} // namespace jex::bench
