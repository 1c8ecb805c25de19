// SPDX-License-Identifier: GPL-3.0-or-later
// The real program from launch to its four windows mapped on an X server:
// process start, Qt's start-up, the layout and the first map, as a pupil
// waits for it.
#include "launchprogram.h"
#include "windowtitles.h"
#include "virtualscreen.h"
#include "windowwatch.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <exception>

namespace jex::bench {
namespace {

using std::chrono::steady_clock;
constexpr auto windowwait = std::chrono::seconds(20);
constexpr auto closewait = std::chrono::seconds(5);

void BM_ProgramStartupToWindowsMapped(benchmark::State& state) {
    if (!programbuilt()) {
        state.SkipWithError("the program has not been built");
        return;
    }
    try {
        const VirtualScreen screen;
        WindowWatch watch(screen.display());
        const auto titles = windowtitles();
        for (auto _ : state) {
            const auto launched = steady_clock::now();
            ChildProcess program(programlaunch(screen.display()));
            if (!watch.waitforall(titles, launched + windowwait)) {
                state.SkipWithError("the four windows were not shown");
                break;
            }
            state.SetIterationTime(
                std::chrono::duration<double>(steady_clock::now() - launched).count());
            program.stop();
            // The next launch must not find this one's windows still there.
            watch.waitfornone(titles, steady_clock::now() + closewait);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

BENCHMARK(BM_ProgramStartupToWindowsMapped)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
} // namespace jex::bench
