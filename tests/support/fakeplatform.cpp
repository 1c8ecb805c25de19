// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeplatform.h"

#include "entry/timerwaits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace jex::testing {

void FakePlatform::at(int when, std::function<void()> action) {
    scripted.emplace(when, std::move(action));
}

void FakePlatform::atevent(int point, std::function<void()> action) {
    scriptedevents.emplace(point, std::move(action));
}

void FakePlatform::doevents(bool waitformore) {
    ++doeventscalls;
    if (waitformore) {
        ++tick;
        if (jex) Timer1_Timer(*jex);
    }
    checklimits();
    deliverdue();
}

void FakePlatform::deliverdue() {
    while (!scripted.empty() && scripted.begin()->first <= tick) {
        auto action = std::move(scripted.begin()->second);
        scripted.erase(scripted.begin());
        action();
    }
    while (!scriptedevents.empty() && scriptedevents.begin()->first <= doeventscalls) {
        auto action = std::move(scriptedevents.begin()->second);
        scriptedevents.erase(scriptedevents.begin());
        action();
    }
}

void FakePlatform::checklimits() {
    if (tick > ticklimit) overlimit("ticks");
    if (doeventscalls > eventlimit) overlimit("event points");
}

void FakePlatform::overlimit(const char* what) {
    if (!failedlimit) ADD_FAILURE() << "the run went on past the limit of " << what;
    failedlimit = true;
    if (jex) stoprun(*jex);
    // A run that ignores the stop as well would never end.
    if (tick > ticklimit + 1000 || doeventscalls > eventlimit + 1'000'000)
        throw std::runtime_error("a run did not stop when asked");
}

void FakePlatform::refreshcanvas() {
    ++canvasrefreshes;
    if (!keeprecords || !jex) return;
    const auto& lines = jex->windows.program.programtext.lines;
    const auto emphasised = std::find_if(lines.begin(), lines.end(), [](const PrintedLine& line) {
        return !line.emphasised.empty();
    });
    frames.push_back(
        {jex->roboty, emphasised == lines.end() ? std::string() : emphasised->emphasised});
}

void FakePlatform::playsound(std::string_view name) {
    sounds.push_back({std::string(name), tick, jex ? jex->windows.graphics.warnings.caption : ""});
    clocktime += soundseconds;
}

void FakePlatform::speak(std::string_view phrase) {
    spoken.push_back({std::string(phrase), tick, jex ? jex->windows.graphics.warnings.caption : ""});
}

std::vector<std::string> FakePlatform::phrases() const {
    std::vector<std::string> said;
    for (const SpokenPhrase& phrase : spoken) said.push_back(phrase.phrase);
    return said;
}

bool FakePlatform::loadbackgroundpicture(const std::string& path) {
    picturesasked.push_back(path);
    return picturereadable && std::filesystem::exists(path);
}

void FakePlatform::drawpenline(int x1, int y1, int x2, int y2) {
    if (keeprecords) penlines.push_back({x1, y1, x2, y2});
}

double FakePlatform::random() {
    if (++randomcalls > randomlimit) {
        ADD_FAILURE() << "more than " << randomlimit << " random numbers drawn";
        throw std::runtime_error("random numbers drawn without end");
    }
    if (randoms.empty()) return 0.5;
    const double value = randoms.front();
    randoms.erase(randoms.begin());
    return value;
}

std::optional<std::string> FakePlatform::asksavefile(const FileRequest& request) {
    savesasked.push_back(request);
    return chosenfile;
}

std::optional<std::string> FakePlatform::askopenfile(const FileRequest& request) {
    opensasked.push_back(request);
    return chosenfile;
}

bool FakePlatform::askyesno(const std::string& title, const std::string& question) {
    questions.push_back(title + ": " + question);
    return answeryes;
}

std::vector<std::string> FakePlatform::soundnames() const {
    std::vector<std::string> names;
    for (const PlayedSound& sound : sounds) names.push_back(sound.name);
    return names;
}

} // namespace jex::testing
