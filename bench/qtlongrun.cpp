// SPDX-License-Identifier: GPL-3.0-or-later
// A long run at full speed with the pen down in the real windows: every step
// moves the robot, places its sprite, draws a pen line into the drawing area
// and lets the window events through once.
#include "core/state.h"
#include "qt/simulator.h"
#include "qt/soundplayer.h"

#include <QAbstractButton>
#include <QSlider>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>

namespace jex::bench {
namespace {

constexpr int outer = 9, middle = 99, inner = 99;

// Steps a run of the program below makes: each repeat step, each pass of the
// innermost block (forwards, backwards, end), each closing end, and the end
// of the program.
constexpr long long runsteps = 2 + outer * (2 + middle * (2 + 3 * inner));

void click(QWidget* window, const char* name) {
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

std::unique_ptr<qt::Simulator> fullspeedsimulator() {
    auto simulator = std::make_unique<qt::Simulator>(std::make_unique<qt::SilentSoundPlayer>());
    simulator->start();
    QWidget* keypad = simulator->windows()[0];
    QWidget* tools = simulator->windows()[1];
    tools->findChild<QSlider*>(QStringLiteral("Slider1"))->setValue(50);
    click(tools, "penon");
    // With a target set the run ends with "missed!", which has no wait.
    click(tools, "target");
    for (const char* key :
         {"repeat", "nine", "repeat", "nine", "nine", "repeat", "nine", "nine", "forwards", "two",
          "zero", "backwards", "two", "zero", "endbutton", "endbutton", "endbutton"})
        click(keypad, key);
    return simulator;
}

void BM_QtFullSpeedStepsWithPenDown(benchmark::State& state) {
    auto simulator = fullspeedsimulator();
    long long steps = 0;
    for (auto _ : state) {
        click(simulator->windows()[0], "go");
        steps += runsteps;
    }
    if (simulator->state().windows.graphics.warnings.caption != "missed!")
        state.SkipWithError("the run did not end as expected");
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QtFullSpeedStepsWithPenDown)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace
} // namespace jex::bench
