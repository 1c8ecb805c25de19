// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing and a program ready to print on the fake printer.
#pragma once

#include "core/state.h"
#include "support/fakeplatform.h"
#include "support/keying.h"

#include <string>
#include <vector>

namespace jex::testing {

struct PrintRig : Rig {
    PrintRig() {
        initvariables(jex);
        jex.authorname = "me";
        // 640 x 500 pixels on a 15-twip screen, printed 8 inches wide:
        // a pixel becomes 1.2 twips of paper for every twip it spans.
        jex.windows.graphics.Picture1.width = 640;
        jex.windows.graphics.Picture1.height = 500;
        jex.windows.graphics.target.visible = false;
    }

    const std::vector<PrintCall>& calls() const { return platform.printer.calls; }
    std::vector<PrintCall> only(const std::string& operation) const {
        return platform.printer.only(operation);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> printed;
        for (const PrintCall& call : calls())
            if (call.operation == "print" || call.operation == "printline")
                printed.push_back(call.text);
        return printed;
    }
};

} // namespace jex::testing
