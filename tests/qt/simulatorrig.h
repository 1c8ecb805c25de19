// SPDX-License-Identifier: GPL-3.0-or-later
// A simulator on the offscreen screen, in a home folder of its own, with a
// sound player that only writes down what it was asked to play and an end of
// the program that only counts.
#pragma once

#include "core/state.h"
#include "qt/listingview.h"
#include "qt/simulator.h"
#include "qt/soundplayer.h"
#include "support/temphome.h"

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace jex::testing {

class RecordingSoundPlayer final : public qt::SoundPlayer {
  public:
    void play(std::string_view name) override {
        played.emplace_back(name);
        if (watch) watch(name);
    }
    std::vector<std::string> played;
    std::function<void(std::string_view)> watch; // looks at the screen as the sound plays
};

// Answers the dialogs at once, as a test has set them to answer.
class ScriptedDialogs final : public qt::Dialogs {
  public:
    std::optional<std::string> asksavefile(const FileRequest& request) override {
        asked.push_back(request);
        return chosenfile;
    }
    std::optional<std::string> askopenfile(const FileRequest& request) override {
        asked.push_back(request);
        return chosenfile;
    }
    bool askyesno(const std::string&, const std::string& question) override {
        questions.push_back(question);
        return answeryes;
    }
    std::optional<std::string> chosenfile; // nothing for a cancel
    bool answeryes = true;
    std::vector<FileRequest> asked;
    std::vector<std::string> questions;
};

class SimulatorRig {
  public:
    // With no printer given, printing goes to the system's default printer;
    // with no screen size, the windows are laid out for the screen's.
    explicit SimulatorRig(qt::PrinterSource printer = {},
                          std::optional<QSize> screensize = std::nullopt)
        : sounds_(new RecordingSoundPlayer), dialogs(new ScriptedDialogs) {
        qt::SimulatorOptions options;
        options.soundplayer.reset(sounds_);
        options.dialogs.reset(dialogs);
        options.printer = std::move(printer);
        options.screensize = screensize;
        options.ending = [this] { ++endings; };
        simulator = std::make_unique<qt::Simulator>(std::move(options));
    }

    // Starts up; what the start-up played is kept apart from what comes
    // after, and so is what a terminal would be told.
    void start(const std::optional<std::filesystem::path>& programfile = std::nullopt) {
        notopened = simulator->start(programfile);
        startupsounds = sounds_->played;
        sounds_->played.clear();
    }

    JexState& state() { return simulator->state(); }
    const std::vector<std::string>& sounds() const { return sounds_->played; }
    void watchsounds(std::function<void(std::string_view)> watch) {
        sounds_->watch = std::move(watch);
    }

    QWidget* buttons() { return simulator->windows()[0]; }
    QWidget* funnies() { return simulator->windows()[1]; }
    QWidget* program() { return simulator->windows()[2]; }
    QWidget* graphics() { return simulator->windows()[3]; }

    // The widget of a control, found as a pupil finds it: by its window and name.
    template <class W = QWidget> W* find(QWidget* window, const char* name) {
        return window->findChild<W*>(QString::fromLatin1(name));
    }

    void click(QWidget* window, const char* name) {
        QWidget* widget = find(window, name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // The window made the active one, as a click on it does.
    void activate(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // Keys clicked one after another on the keypad.
    void press(std::initializer_list<const char*> keys) {
        for (const char* key : keys)
            click(buttons(), key);
    }

    // The listing box's lines as a pupil reads them.
    QStringList listing() {
        auto* box = find<qt::ListingView>(program(), "programtext");
        if (!box) return {"<no listing box>"};
        QStringList lines;
        for (const PrintedLine& line : box->lines())
            lines << QString::fromStdString(line.plain + line.emphasised);
        return lines;
    }

    QString caption(QWidget* window, const char* name) {
        const QLabel* label = find<QLabel>(window, name);
        return label ? label->text() : QStringLiteral("<no label>");
    }

    TempHome home; // made before the simulator: the start-up makes folders in it
    std::unique_ptr<qt::Simulator> simulator;
    std::vector<std::string> startupsounds;
    std::optional<std::string> notopened;
    int endings = 0;

  private:
    RecordingSoundPlayer* sounds_; // owned by the simulator

  public:
    ScriptedDialogs* dialogs; // owned by the simulator
};

// Tests that each begin with a simulator that has just started up.
class StartedSimulatorTest : public QObject {
    Q_OBJECT

  protected slots:
    void init() {
        rig = std::make_unique<SimulatorRig>(printer());
        rig->start();
    }
    void cleanup() { rig.reset(); }

  protected:
    virtual qt::PrinterSource printer() { return {}; } // the system's default printer

    // A simulator made afresh in place of the started one, for a test that
    // sets something up before the start-up; the test starts it.
    SimulatorRig& unstarted(std::optional<qt::PrinterSource> printer = std::nullopt) {
        rig.reset(); // one simulator at a time
        rig = std::make_unique<SimulatorRig>(printer ? *printer : this->printer());
        return *rig;
    }

    std::unique_ptr<SimulatorRig> rig;
};

} // namespace jex::testing
