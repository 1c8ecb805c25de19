// SPDX-License-Identifier: GPL-3.0-or-later
#include "launchprogram.h"

#include <cstdlib>
#include <filesystem>

namespace jex::bench {

bool programbuilt() { return std::filesystem::exists(JEX_PROGRAM); }

Launch programlaunch(const std::string& display) {
    const char* home = std::getenv("HOME");
    const std::string scratch = home != nullptr ? home : "/tmp";
    Launch launch;
    launch.arguments = {JEX_PROGRAM};
    launch.environment = {{"DISPLAY", display},
                          {"QT_QPA_PLATFORM", "xcb"},
                          {"XDG_RUNTIME_DIR", scratch},
                          {"PULSE_SERVER", "unix:" + scratch + "/no-sound-server"}};
    launch.unset = {"WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                    "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"};
    return launch;
}

} // namespace jex::bench
