// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/commandline.h"

#include "core/textids.h"
#include "core/texts.h"
#include "qt/keyboardkeys.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace jex::qt {

CommandLine readcommandline(const std::vector<std::string_view>& given) {
    CommandLine line;
    // The export's and the projector's options are read apart, and checked
    // once the program file is known.
    ProjectorReading projector = takeprojectoroptions(given, line.projector);
    if (!projector.mistake.empty()) return {CommandLine::Request::mistake, {}, projector.mistake};
    const std::vector<std::string_view>& arguments = projector.rest;
    bool optionsended = false;
    for (std::string_view argument : arguments) {
        if (!optionsended && argument == "--") {
            optionsended = true;
        } else if (!optionsended && (argument == "--help" || argument == "-h")) {
            return {CommandLine::Request::help, {}, {}};
        } else if (!optionsended && argument == "--version") {
            return {CommandLine::Request::version, {}, {}};
        } else if (!optionsended && argument.size() > 1 && argument.front() == '-') {
            return {CommandLine::Request::mistake,
                    {},
                    text(textid::unknownoption) + std::string(argument)};
        } else if (line.programfile) {
            return {CommandLine::Request::mistake, {}, text(textid::toomanyfiles)};
        } else {
            line.programfile = argument;
        }
    }
    if (std::string mistake = checkprojectoroptions(line.projector, line.programfile.has_value());
        !mistake.empty())
        return {CommandLine::Request::mistake, {}, mistake};
    return line;
}

std::string helptext() {
    return text(textid::usage) + '\n' + text(textid::exportusage) + '\n' +
           text(textid::whatitdoes) + "\n\n" + text(textid::helpoption) + '\n' +
           text(textid::versionoption) + '\n' + projectorhelp() + '\n' +
           keyboardhelp().toStdString();
}

std::string versiontext() {
    return text(textid::programtitlefull) + JEX_VERSION + '\n';
}

std::string nodesktoptext() {
    return text(textid::nodesktop) + '\n';
}

Desktop finddesktop(const std::function<std::string(const char*)>& variable,
                    const std::function<bool()>& x11reachable) {
    // Whoever names the toolkit's platform knows where the windows go.
    if (!variable("QT_QPA_PLATFORM").empty()) return Desktop::asgiven;
    if (!variable("DISPLAY").empty() && x11reachable()) return Desktop::x11;
    if (!variable("WAYLAND_DISPLAY").empty()) return Desktop::asgiven;
    return Desktop::none;
}

Desktop finddesktop() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const auto x11reachable = [] {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool reached = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        return reached;
    };
    return finddesktop(variable, x11reachable);
}

} // namespace jex::qt
