// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options for taking a drawing out of the program without
// a desktop (--export, --screen) and for showing it on a projector (--zoom).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jex::qt {

// The screen an export is laid out for when none is named.
inline constexpr int exportwidth = 1024;
inline constexpr int exportheight = 768;
// The screens an export can be laid out for, in pixels each way.
inline constexpr int smallestscreen = 480;
inline constexpr int largestscreen = 4096;
inline constexpr int smallestzoom = 100; // per cent
inline constexpr int largestzoom = 300;

struct ScreenSize {
    int width = exportwidth;
    int height = exportheight;
    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

struct ProjectorOptions {
    std::optional<std::string> exportto; // the picture (.png) or page (.pdf)
    std::optional<ScreenSize> screen;
    std::optional<int> zoom; // per cent
};

struct ProjectorReading {
    std::vector<std::string_view> rest; // the arguments these options leave
    std::string mistake;                // what was wrong, or empty
};

// Takes --export OUT, --screen WxH and --zoom PERCENT out of the arguments
// (those before "--" only) into `options`.
ProjectorReading takeprojectoroptions(const std::vector<std::string_view>& arguments,
                                      ProjectorOptions& options);

// What is wrong with the options once the whole command line is read, or
// empty: an export needs a program file, --screen goes only with it, and
// --zoom only without it.
std::string checkprojectoroptions(const ProjectorOptions& options, bool programfile);

// The lines --help shows for these options.
std::string projectorhelp();

// Shows everything that much larger: the windows are laid out for the
// screen's size divided by the zoom and drawn at the zoom, as the desktop's
// own scaling is. Works only before the application is made.
void applyzoom(int percent);

} // namespace jex::qt
