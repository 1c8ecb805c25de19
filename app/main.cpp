// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/languages.h"
#include "core/textids.h"
#include "core/texts.h"
#include "qt/commandline.h"
#include "qt/exportdrawing.h"
#include "qt/languagefolders.h"
#include "qt/simulator.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

enum ExitStatus { success = 0, nodesktop = 1, mistake = 2 };

// The language asked for on the command line, or else the desktop's. A
// language asked for by name that has no table is said to be missing.
// Answers the table in use, empty for English.
std::string chooselanguage(const std::vector<std::string_view>& arguments) {
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::optional<std::string> asked = jex::qt::askedlanguage(arguments);
    const std::vector<std::string> wanted = asked && !asked->empty()
                                                ? std::vector<std::string>{*asked}
                                                : jex::desktoplanguages(environment);
    const std::optional<std::string> chosen =
        jex::chooselanguage(wanted, jex::qt::languagefolders());
    if (asked && !asked->empty() && !chosen)
        std::cerr << jex::text(jex::textid::nosuchlanguage) << *asked << '\n';
    return chosen.value_or(std::string());
}

} // namespace

int main(int argc, char* argv[]) {
    using jex::qt::CommandLine;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::string language = chooselanguage(arguments);
    const CommandLine line = jex::qt::readcommandline(arguments);
    switch (line.request) {
    case CommandLine::Request::help:
        std::cout << jex::qt::helptext();
        return success;
    case CommandLine::Request::version:
        std::cout << jex::qt::versiontext();
        return success;
    case CommandLine::Request::mistake:
        std::cerr << line.mistake << '\n' << jex::text(jex::textid::tryhelp) << '\n';
        return mistake;
    case CommandLine::Request::start:
        break;
    }

    // An export needs no desktop: the drawing is made off the screen.
    if (line.projector.exportto) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        jex::qt::quiettoolkit();
        int toolkitargc = 1;
        QApplication application(toolkitargc, argv);
        const jex::qt::ExportRequest request{*line.projector.exportto, *line.programfile,
                                             line.projector.screen.value_or(jex::qt::ScreenSize{})};
        return jex::qt::exportdrawing(request, std::cerr);
    }
    if (line.projector.zoom) jex::qt::applyzoom(*line.projector.zoom);

    // Without a screen the toolkit would abort with a message of its own.
    const jex::qt::Desktop desktop = jex::qt::finddesktop();
    if (desktop == jex::qt::Desktop::none) {
        std::cerr << jex::qt::nodesktoptext();
        return nodesktop;
    }
    // Wayland does not let a program place its own windows; through XWayland
    // the four windows can still tile the screen.
    if (desktop == jex::qt::Desktop::x11) qputenv("QT_QPA_PLATFORM", "xcb");

    // The toolkit sees no arguments of its own: the one argument is a file.
    int toolkitargc = 1;
    QApplication application(toolkitargc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("jex"));
    // The toolkit's own words (the file dialog's) in the same language, where
    // the system has them.
    QTranslator toolkit;
    if (!language.empty() &&
        toolkit.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    // The file manager gives a full path, a terminal perhaps a relative one.
    std::optional<std::filesystem::path> programfile;
    if (line.programfile) {
        std::error_code unresolved;
        programfile = std::filesystem::absolute(*line.programfile, unresolved);
        if (unresolved) programfile = *line.programfile;
    }
    jex::qt::Simulator simulator;
    // The window says only "can't open file!"; a terminal is told why.
    if (const auto notopened = simulator.start(programfile)) std::cerr << *notopened << '\n';
    return application.exec();
}
