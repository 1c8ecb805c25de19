// SPDX-License-Identifier: GPL-3.0-or-later
// The whole simulator: the rules' state, the platform they run on and the
// four windows that show it.
#pragma once

#include "qt/dialogs.h"
#include "qt/qtprintjob.h"
#include "qt/soundplayer.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QSize>

class QWidget;

namespace jex {
struct JexState;
}

namespace jex::qt {

class QtPlatform;
class KeyboardKeypad;
class HelpKey;
class FocusRing;
class buttonswindow;
class funnieswindow;
class programwindow;
class graphicswindow;
class exitwindow;

struct SimulatorOptions {
    // Plays the sounds; by default through the sound server.
    std::unique_ptr<SoundPlayer> soundplayer;
    // Runs instead of ending the process when the program is left.
    std::function<void()> ending;
    // Asks for files and Yes or No; by default through Qt's dialogs.
    std::unique_ptr<Dialogs> dialogs;
    // Hands out the printer each print goes to, or none for no printer; by
    // default the system's default printer.
    PrinterSource printer;
    // Lays the windows out for a screen of that size instead of the real one.
    std::optional<QSize> screensize{};
    // Runs go through their waits at once instead of taking their time.
    bool skipwaits = false;
};

class Simulator {
  public:
    explicit Simulator(SimulatorOptions options = {});
    explicit Simulator(std::unique_ptr<SoundPlayer> soundplayer);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // The start-up: lays the windows out, shows them and ends with the
    // success sound. Given a program file, it then opens it as the load
    // button does, with the same report when it cannot. Answers what a
    // terminal is told when the file was not opened, and nothing otherwise.
    std::optional<std::string> start(
        const std::optional<std::filesystem::path>& programfile = std::nullopt);

    JexState& state() { return *state_; }
    QtPlatform& platform() { return *platform_; }
    SoundPlayer& soundplayer();
    buttonswindow& buttons() { return *buttons_; }
    funnieswindow& funnies() { return *funnies_; }
    programwindow& program() { return *program_; }
    graphicswindow& graphics() { return *graphics_; }
    class exitwindow& exitwindowwidget() {
        return *exitwindow_;
    }

    // F1 and the help window it opens.
    HelpKey& help() { return *helpkey_; }

    // The four windows in the order they are shown.
    std::array<QWidget*, 4> windows();

  private:
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<JexState> state_;
    std::unique_ptr<buttonswindow> buttons_;
    std::unique_ptr<funnieswindow> funnies_;
    std::unique_ptr<programwindow> program_;
    std::unique_ptr<graphicswindow> graphics_;
    std::unique_ptr<class exitwindow> exitwindow_;
    std::unique_ptr<KeyboardKeypad> keyboard_;
    std::unique_ptr<HelpKey> helpkey_;
    std::unique_ptr<FocusRing> focusring_;
};

} // namespace jex::qt
