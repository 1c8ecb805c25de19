// SPDX-License-Identifier: GPL-3.0-or-later
// What the program is asked to do when it is started, read before any window
// exists: start (with a program file to open), or answer and leave.
#pragma once

#include "qt/projectoroptions.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jex::qt {

struct CommandLine {
    enum class Request { start, help, version, mistake };
    Request request = Request::start;
    std::optional<std::string> programfile;
    std::string mistake; // what was wrong, when the request is a mistake
    ProjectorOptions projector{}; // --export, --screen, --zoom
};

// The arguments after the program's own name. `--language xx` is passed over
// here: the language is chosen before anything is said.
CommandLine readcommandline(const std::vector<std::string_view>& arguments);

// The language asked for with `--language xx` (or `--language=xx`), if any;
// an empty text when the option has no language after it.
std::optional<std::string> askedlanguage(const std::vector<std::string_view>& arguments);

// The texts the program answers with on its standard output or error.
std::string helptext();
std::string versiontext();
std::string nodesktoptext();

// Where the windows can be shown: on the X display (through XWayland on a
// Wayland desktop, so that the windows can be placed), where the toolkit is
// told to show them, or nowhere.
enum class Desktop { x11, asgiven, none };

// `variable` reads the environment (empty when unset); `x11reachable` says
// whether the X display named there answers.
Desktop finddesktop(const std::function<std::string(const char*)>& variable,
                    const std::function<bool()>& x11reachable);

// The real environment and the real display.
Desktop finddesktop();

} // namespace jex::qt
