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

// Short steps: repeat 9 [repeat 99 [repeat 99 [forwards 20, backwards 20]]].
// A run makes each repeat step, each pass of the innermost block (forwards,
// backwards, end), each closing end, and the end of the program.
constexpr std::initializer_list<const char*> shortsteps = {
    "repeat", "nine", "repeat", "nine", "nine", "repeat", "nine", "nine", "forwards", "two",
    "zero", "backwards", "two", "zero", "endbutton", "endbutton", "endbutton"};
constexpr long long shortrunsteps = 2 + 9 * (2 + 99 * (2 + 3 * 99));
// Long moves, as the web's benchmark makes them:
// repeat 99 [repeat 50 [forwards 250, backwards 250]].
constexpr std::initializer_list<const char*> longmoves = {
    "repeat", "nine", "nine", "repeat", "five", "zero", "forwards", "two", "five", "zero",
    "backwards", "two", "five", "zero", "endbutton", "endbutton"};
constexpr long long longrunsteps = 2 + 99 * (2 + 50 * 3);

void click(QWidget* window, const char* name) {
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

std::unique_ptr<qt::Simulator> fullspeedsimulator(std::initializer_list<const char*> program) {
    auto simulator = std::make_unique<qt::Simulator>(std::make_unique<qt::SilentSoundPlayer>());
    simulator->start();
    QWidget* keypad = simulator->windows()[0];
    QWidget* tools = simulator->windows()[1];
    tools->findChild<QSlider*>(QStringLiteral("Slider1"))->setValue(50);
    click(tools, "penon");
    // With a target set the run ends with "missed!", which has no wait.
    click(tools, "target");
    for (const char* key : program) click(keypad, key);
    return simulator;
}

void fullspeedrun(benchmark::State& state, std::initializer_list<const char*> program,
                  long long runsteps) {
    auto simulator = fullspeedsimulator(program);
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

void BM_QtFullSpeedStepsWithPenDown(benchmark::State& state) { fullspeedrun(state, shortsteps, shortrunsteps); }
BENCHMARK(BM_QtFullSpeedStepsWithPenDown)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_QtFullSpeedLongMovesWithPenDown(benchmark::State& state) { fullspeedrun(state, longmoves, longrunsteps); }
BENCHMARK(BM_QtFullSpeedLongMovesWithPenDown)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace
} // namespace jex::bench
