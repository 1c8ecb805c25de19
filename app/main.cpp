// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textids.h"
#include "core/texts.h"
#include "qt/commandline.h"
#include "qt/exportdrawing.h"
#include "qt/simulator.h"

#include <QApplication>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

enum ExitStatus { success = 0, nodesktop = 1, mistake = 2 };

} // namespace

int main(int argc, char* argv[]) {
    using jex::qt::CommandLine;
    const CommandLine line =
        jex::qt::readcommandline(std::vector<std::string_view>(argv + 1, argv + argc));
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
    // The file manager gives a full path, a terminal perhaps a relative one.
    std::optional<std::filesystem::path> programfile;
    if (line.programfile) {
        std::error_code unresolved;
        programfile = std::filesystem::absolute(*line.programfile, unresolved);
        if (unresolved) programfile = *line.programfile;
    }
    jex::qt::Simulator simulator;
    simulator.start(programfile);
    return application.exec();
}
