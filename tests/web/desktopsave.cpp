// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's save of a keyed program, for the web edition's tests to
// compare with: the desktop's rules start up, the author's name is typed,
// the keys are pressed and the program is saved to the given file.
// Usage: desktopsave <file.jex> <author> <key name>...
#include "core/state.h"
#include "entry/keys.h"
#include "files/names.h"
#include "files/programbuttons.h"
#include "run/keypadkeys.h"
#include "support/fakeplatform.h"
#include "windows/startup.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: desktopsave <file.jex> <author> <key name>...\n";
        return 2;
    }
    jex::testing::Rig rig;
    jex::program_Load(rig.jex);
    jex::namebox_Change(rig.jex, jex::NameBox::myname, argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool found = false;
        for (int k = 0; k < jex::keycount; ++k) {
            const auto key = static_cast<jex::Key>(k);
            if (jex::keyname(key) != std::string_view(argv[i])) continue;
            jex::keypad_Click(rig.jex, key);
            found = true;
        }
        if (!found) {
            std::cerr << "desktopsave: no key " << argv[i] << '\n';
            return 2;
        }
    }
    rig.platform.chosenfile = argv[1];
    jex::save_Click(rig.jex);
    return rig.jex.saved ? 0 : 1;
}
