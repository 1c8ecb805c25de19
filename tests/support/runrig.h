// SPDX-License-Identifier: GPL-3.0-or-later
// A state ready to run programs: a drawing area of a given size with its
// units, the robot drawn at the centre, and steps written straight into a
// slot (the function slots cannot be keyed from the keypad alone).
#pragma once

#include "canvas/tools.h"
#include "core/state.h"
#include "support/fakeplatform.h"
#include "windows/layout.h"

#include <sstream>
#include <string>
#include <vector>

namespace jex::testing {

struct RunRig : Rig {
    explicit RunRig(int width = 500, int height = 500) {
        initvariables(jex);
        GraphicsWindow& graphics = jex.windows.graphics;
        graphics.Picture1.width = width;
        graphics.Picture1.height = height;
        setcanvasunits(jex);
        graphics.target.width = graphics.target.height = 2 * jex.canvasunit;
        graphics.target.visible = false;
        setpen(jex, false);  // as the layout leaves it at start-up
        // Room for eleven listing lines.
        jex.windows.program.programtext.height = 5000;
        centrerobot(jex);
        platform.frames.clear();
        platform.canvasrefreshes = 0;
    }

    // Steps such as "F 23", "RP 2", "E", "PF1"; the slot's end marker follows.
    void program(int slot, const std::vector<std::string>& steps) {
        jex.store.clear(slot);
        for (const std::string& text : steps) {
            std::istringstream words(text);
            std::string token;
            int number = 0;
            words >> token;
            const Command command = commandfortoken(token);
            jex.store.append(slot, command,
                             words >> number              ? Argument(static_cast<Int16>(number))
                             : command == Command::end    ? Argument(endmarker)
                                                          : Argument());
        }
    }

    void speed(int value) { Slider1_Change(jex, value); }
    const std::string& warnings() const { return jex.windows.graphics.warnings.caption; }
    // The emphasised part of the listing, or nothing.
    std::string highlighted() const {
        for (const PrintedLine& line : jex.windows.program.programtext.lines)
            if (!line.emphasised.empty()) return line.emphasised;
        return {};
    }
    // Ticks from the start of the run to the end of its last step: a report
    // of success waits eight ticks before its sound.
    int tickswhenreported() const {
        const PlayedSound& last = platform.sounds.back();
        return last.name == "yea" ? last.tick - 8 : last.tick;
    }
};

} // namespace jex::testing
