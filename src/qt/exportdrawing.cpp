// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/exportdrawing.h"

#include "canvas/tools.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/folders.h"
#include "files/loadsave.h"
#include "printing/printbutton.h"
#include "qt/qtplatform.h"
#include "qt/simulator.h"
#include "run/keypadkeys.h"

#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace jex::qt {
namespace {

constexpr std::string_view pageextension = ".pdf";

// Every question is turned down.
class NoDialogs final : public Dialogs {
  public:
    std::optional<std::string> asksavefile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> askopenfile(const FileRequest&) override { return std::nullopt; }
    bool askyesno(const std::string&, const std::string&) override { return false; }
};

bool ispage(const std::filesystem::path& output) {
    // A name that is only the extension is a hidden file without one.
    const std::string name = output.filename().string();
    return name.size() > pageextension.size() && hasextension(name, pageextension);
}

bool write(Simulator& simulator, const std::filesystem::path& output) {
    if (!ispage(output)) return simulator.platform().savepicture(output.string());
    return printtofile(simulator.state(), output.string());
}

void dropnote(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(message), stderr);
        std::abort();
    }
}

} // namespace

void quiettoolkit() {
    qInstallMessageHandler(dropnote);
}

ExportStatus exportdrawing(const ExportRequest& request, std::ostream& errors) {
    SimulatorOptions options;
    // Nobody listens to an export, and nobody answers it.
    options.soundplayer = std::make_unique<SilentSoundPlayer>();
    options.dialogs = std::make_unique<NoDialogs>();
    options.ending = [] {};
    options.printer = [] { return std::unique_ptr<QPrinter>(); };
    options.screensize = QSize(request.screen.width, request.screen.height);
    options.skipwaits = true;
    Simulator simulator(std::move(options));
    simulator.start();

    JexState& jex = simulator.state();
    if (const Opened opened = openprogram(jex, request.programfile); !opened.read) {
        errors << notopenedline(request.programfile, opened) << '\n';
        return exportfailed;
    }
    setpen(jex, true);
    Slider1_Change(jex, jex.windows.funnies.Slider1.maximum);
    go(jex);
    simulator.platform().syncwindows();

    if (!write(simulator, request.output)) {
        errors << text(textid::cannotwrite) << request.output.string() << '\n';
        return exportfailed;
    }
    return exported;
}

} // namespace jex::qt
