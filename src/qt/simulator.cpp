// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/simulator.h"

#include "windows/startup.h"
#include "core/state.h"
#include "files/loadsave.h"
#include "qt/buttonswindow.h"
#include "qt/exitwindow.h"
#include "qt/focusring.h"
#include "qt/funnieswindow.h"
#include "qt/graphicswindow.h"
#include "qt/helpwindow.h"
#include "qt/keyboardkeypad.h"
#include "qt/programwindow.h"
#include "qt/qtplatform.h"
#include "qt/screenreadernames.h"

#include <QIcon>

#include <algorithm>

namespace jex::qt {

Simulator::Simulator(SimulatorOptions options)
    : platform_(std::make_unique<QtPlatform>(
          std::move(options.soundplayer), std::move(options.ending), std::move(options.dialogs),
          std::move(options.printer))),
      state_(std::make_unique<JexState>(*platform_)),
      buttons_(std::make_unique<buttonswindow>(*state_, *platform_)),
      funnies_(std::make_unique<funnieswindow>(*state_, *platform_)),
      program_(std::make_unique<programwindow>(*state_, *platform_)),
      graphics_(std::make_unique<graphicswindow>(*state_, *platform_)),
      exitwindow_(std::make_unique<class exitwindow>(*state_, *platform_)) {
    platform_->attach(
        *state_,
        {buttons_.get(), funnies_.get(), program_.get(), graphics_.get(), exitwindow_.get()},
        graphics_->Picture1());
    if (options.screensize) platform_->pretendscreen(*options.screensize);
    if (options.skipwaits) platform_->skipwaits();
    keyboard_ = std::make_unique<KeyboardKeypad>(*buttons_, windows(), *exitwindow_);
    helpkey_ = std::make_unique<HelpKey>(windows());
    keyboard_->helpwindow = [this]() -> QWidget* { return helpkey_->window(); };
    focusring_ = std::make_unique<FocusRing>([this](const QWidget* window) {
        const auto four = windows();
        return std::find(four.begin(), four.end(), window) != four.end() ||
               window == exitwindow_.get() || window == helpkey_->window();
    });
    nameforscreenreaders(windows());
    // Drawn from its SVG at whatever size and density the desktop asks for.
    const QIcon icon(QStringLiteral(":/icons/jex.svg"));
    for (QWidget* window : windows()) window->setWindowIcon(icon);
    exitwindow_->setWindowIcon(icon);
}

Simulator::Simulator(std::unique_ptr<SoundPlayer> soundplayer)
    : Simulator(SimulatorOptions{std::move(soundplayer), {}, {}, {}}) {}

Simulator::~Simulator() = default;

std::optional<std::string> Simulator::start(
    const std::optional<std::filesystem::path>& programfile) {
    program_Load(*state_);
    if (!programfile) return std::nullopt;
    const Opened opened = openprogram(*state_, *programfile);
    platform_->syncwindows();
    if (opened.read) return std::nullopt;
    return notopenedline(*programfile, opened);
}

SoundPlayer& Simulator::soundplayer() {
    return platform_->soundplayer();
}

std::array<QWidget*, 4> Simulator::windows() {
    return {buttons_.get(), funnies_.get(), program_.get(), graphics_.get()};
}

} // namespace jex::qt
