// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/keypadkeys.h"

#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "core/commands.h"
#include "entry/feedback.h"
#include "entry/keypad.h"
#include "entry/keys.h"
#include "run/runner.h"

namespace jex {

void keypad_Click(JexState& jex, Key key) {
    if (const int digit = keydigit(key); digit >= 0) {
        digitkey(jex, digit);
        return;
    }
    if (const Command command = commandforkey(key); command != Command::none) {
        commandkey(jex, command);
        return;
    }
    if (stopifrunning(jex)) return;
    switch (key) {
    case Key::ce: ce(jex); return;
    case Key::cm: cm(jex); return;
    case Key::rm: rm(jex); return;
    case Key::test: test(jex); return;
    case Key::go: go(jex); return;
    default: return;
    }
}

void go(JexState& jex) {
    if (!readytorun(jex)) return;
    jex.windows.graphics.change1.caption = text(textid::change);
    jex.windows.graphics.change2.caption = text(textid::change);
    gorun(jex, 1);
}

void test(JexState& jex) { testrun(jex); }

} // namespace jex
