// SPDX-License-Identifier: GPL-3.0-or-later
// Processor time of the real program while it sits idle after start-up: a
// classroom computer runs it all day, so it must not keep a core busy. Runs
// without a sound server, which only matters while a sound plays.
#include "launchprogram.h"
#include "windowtitles.h"
#include "processcpu.h"
#include "virtualscreen.h"
#include "windowwatch.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <exception>
#include <thread>

namespace jex::bench {
namespace {

using std::chrono::steady_clock;
constexpr auto windowwait = std::chrono::seconds(20);
// Past the start-up: painting, and the success sound that finds no server.
constexpr auto settle = std::chrono::seconds(1);
constexpr auto idlespan = std::chrono::seconds(10);

void BM_IdleProgramCpu(benchmark::State& state) {
    if (!programbuilt()) {
        state.SkipWithError("the program has not been built");
        return;
    }
    try {
        const VirtualScreen screen;
        WindowWatch watch(screen.display());
        for (auto _ : state) {
            ChildProcess program(programlaunch(screen.display()));
            if (!watch.waitforall(windowtitles(), steady_clock::now() + windowwait)) {
                state.SkipWithError("the four windows were not shown");
                break;
            }
            std::this_thread::sleep_for(settle);
            const auto before = cputime(program.pid());
            const auto from = steady_clock::now();
            std::this_thread::sleep_for(idlespan);
            const auto after = cputime(program.pid());
            const std::chrono::duration<double> elapsed = steady_clock::now() - from;
            if (!before || !after || !program.running()) {
                state.SkipWithError("the program ended while idle");
                break;
            }
            const std::chrono::duration<double> used = *after - *before;
            state.SetIterationTime(elapsed.count());
            state.counters["cpu_milliseconds"] = 1000 * used.count();
            state.counters["cpu_percent_of_core"] = 100 * used / elapsed;
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

BENCHMARK(BM_IdleProgramCpu)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
} // namespace jex::bench
