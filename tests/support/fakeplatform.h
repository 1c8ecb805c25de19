// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for the rule tests: a virtual clock whose 100 ms ticks pass only
// when the rules wait, scripted clicks at given ticks or event points, limits
// that end a runaway run, a record of every sound with what the status line
// showed while it played, and a record of what was on screen at each refresh.
#pragma once

#include "core/platform.h"
#include "core/state.h"
#include "fakeprinter.h"
#include "fakewidth.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace jex::testing {

struct PlayedSound {
    std::string name;
    int tick = 0;
    std::string warnings;  // the status line while the sound played
};

// A phrase handed to the screen reader, with what the status line showed then.
struct SpokenPhrase {
    std::string phrase;
    int tick = 0;
    std::string warnings;
};

// Where the robot was, and the emphasised part of the listing (or nothing),
// when the canvas was refreshed.
struct Frame {
    int roboty = 0;
    std::string highlighted;
};

class FakePlatform : public Platform {
public:
    void attach(JexState& state) { jex = &state; }

    // Runs the action when the virtual clock reaches the tick, as a click
    // handled during a wait would run.
    void at(int tick, std::function<void()> action);

    // Runs the action at the n-th time pending events are let through (counted
    // in `doeventscalls`), which is how a click reaches a run that never waits.
    void atevent(int point, std::function<void()> action);

    void doevents(bool waitformore) override;
    void playsound(std::string_view name) override;
    ScreenInfo screen() override { return screeninfo; }
    bool loadbackgroundpicture(const std::string& path) override;
    void usebuiltinpicture() override { ++builtinpictures; }
    void paintbackground() override { ++backgroundpaints; }
    void refreshcanvas() override;
    void drawpenline(int x1, int y1, int x2, int y2) override;
    double timeofday() override { return clocktime; }
    void seedrandom(double seed) override { seeds.push_back(seed); }
    double random() override;
    CalendarDate today() override { return date; }
    std::unique_ptr<PrintJob> startprintjob() override { return printer.startjob(); }
    std::unique_ptr<PrintJob> startpdfjob(const std::string& path) override {
        pdfpaths.push_back(path);
        return pdfprinter.startjob();
    }
    void copypicture() override { ++picturescopied; }
    bool savepicture(const std::string& path) override {
        picturepaths.push_back(path);
        return picturewritable;
    }
    void speak(std::string_view phrase) override;
    void endprogram() override { ended = true; }
    std::optional<std::string> asksavefile(const FileRequest& request) override;
    std::optional<std::string> askopenfile(const FileRequest& request) override;
    bool askyesno(const std::string& title, const std::string& question) override;
    double textwidth(const Font& font, std::string_view text) override {
        return fakewidth(font, text);
    }

    std::vector<std::string> soundnames() const;

    // A run that goes on past these fails the test and is asked to stop; one
    // that does not even stop then is broken off with an exception.
    int ticklimit = 100'000;
    long long eventlimit = 10'000'000;
    int randomlimit = 100'000;
    // Off for long runs: then neither frames nor pen lines are kept.
    bool keeprecords = true;
    std::vector<Frame> frames;

    ScreenInfo screeninfo{1024, 768, 15, 15, {}};
    bool picturereadable = false;  // whether a picture file would decode
    int tick = 0;
    long long doeventscalls = 0;
    std::vector<PlayedSound> sounds;
    std::vector<SpokenPhrase> spoken;
    // Only the phrases, in the order they were handed over.
    std::vector<std::string> phrases() const;
    std::vector<std::string> picturesasked;
    int builtinpictures = 0;
    int backgroundpaints = 0;
    int canvasrefreshes = 0;
    bool ended = false;

    struct PenLine {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        friend bool operator==(const PenLine&, const PenLine&) = default;
    };
    std::vector<PenLine> penlines;
    double clocktime = 0;
    double soundseconds = 0; // how far each sound moves the clock on
    std::vector<double> seeds;
    std::vector<double> randoms;  // handed out in turn by random(), then 0.5
    CalendarDate date{6, 12, 2026};
    FakePrinter printer;
    // PDF pages get a printer of their own, so a test can set each apart.
    FakePrinter pdfprinter;
    std::vector<std::string> pdfpaths;
    int picturescopied = 0;
    bool picturewritable = true;
    std::vector<std::string> picturepaths;

    // The pupil's answers to the dialogs, and what the dialogs were asked.
    std::optional<std::string> chosenfile;  // nothing for a cancel
    bool answeryes = true;
    std::vector<FileRequest> savesasked, opensasked;
    std::vector<std::string> questions;  // "title: question"

private:
    void deliverdue();
    void checklimits();
    void overlimit(const char* what);

    JexState* jex = nullptr;
    std::multimap<int, std::function<void()>> scripted;
    std::multimap<long long, std::function<void()>> scriptedevents;
    int randomcalls = 0;
    bool failedlimit = false;
};

// A fresh state on a fake platform, as each test wants.
struct Rig {
    Rig() { platform.attach(jex); }
    FakePlatform platform;
    JexState jex{platform};
};

// A test on a fresh rig of its own, with the state and the platform at hand.
template <class RigType = Rig> class RigTest : public ::testing::Test {
  protected:
    RigType rig;
    JexState& jex = rig.jex;
    FakePlatform& platform = rig.platform;
};

} // namespace jex::testing
