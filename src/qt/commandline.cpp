// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/commandline.h"

#include "core/textids.h"
#include "core/texts.h"
#include "qt/keyboardkeys.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <iterator>

namespace jex::qt {
namespace {

constexpr std::string_view languageoption = "--language";
constexpr std::string_view languageprefix = "--language=";

} // namespace

CommandLine readcommandline(const std::vector<std::string_view>& given) {
    CommandLine line;
    // The export's and the projector's options are read apart, and checked
    // once the program file is known.
    ProjectorReading projector = takeprojectoroptions(given, line.projector);
    if (!projector.mistake.empty()) return {CommandLine::Request::mistake, {}, projector.mistake};
    const std::vector<std::string_view>& arguments = projector.rest;
    bool optionsended = false;
    bool languagenext = false;
    for (std::string_view argument : arguments) {
        if (languagenext) {
            languagenext = false;
        } else if (!optionsended && argument == languageoption) {
            languagenext = true;
        } else if (!optionsended && argument.starts_with(languageprefix)) {
            continue;
        } else if (!optionsended && argument == "--") {
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
    if (askedlanguage(arguments) == "")
        return {CommandLine::Request::mistake, {}, text(textid::languagemissing)};
    return line;
}

std::optional<std::string> askedlanguage(const std::vector<std::string_view>& arguments) {
    std::optional<std::string> language;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--") break;
        if (*argument == languageoption)
            language = std::next(argument) == arguments.end() ? "" : std::string(*++argument);
        else if (argument->starts_with(languageprefix))
            language = std::string(argument->substr(languageprefix.size()));
    }
    return language;
}

std::string helptext() {
    return text(textid::usage) + '\n' + text(textid::exportusage) + '\n' +
           text(textid::whatitdoes) + "\n\n" + text(textid::helpoption) + '\n' +
           text(textid::versionoption) + '\n' + text(textid::languageoption) + '\n' +
           projectorhelp() + '\n' + keyboardhelp().toStdString();
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
