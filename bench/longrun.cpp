// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone, on the test platform with its records switched off: how
// many steps a second a run at full speed with the pen down makes, and how
// much memory a run of ten million steps round the same square takes.
#include "run/runner.h"
#include "support/runrig.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <string>

namespace jex::bench {
namespace {

using testing::RunRig;

std::unique_ptr<RunRig> fullspeedrig() {
    auto rig = std::make_unique<RunRig>(900, 900);
    rig->platform.keeprecords = false;
    rig->platform.ticklimit = 1'000'000;
    rig->platform.eventlimit = 1'000'000'000'000;
    rig->speed(50);
    setpen(rig->jex, true);
    return rig;
}

// Round a square of side 40, 999 sides a pass (3 steps a side), `outer` times
// `passes` passes: a repeat counts at most 999, so longer runs nest.
void squareprogram(RunRig& rig, int outer, int passes) {
    rig.program(0, {"RP " + std::to_string(outer), "RP " + std::to_string(passes), "RP 999",
                    "F 40", "R 90", "E", "E", "E"});
}

// The steps of the squares alone (forwards, right, end a side), without the
// repeats' own: fewer than this and the run did not happen.
constexpr long long squaresteps(int outer, int passes) {
    return 3LL * 999 * outer * passes;
}

long maxrsskilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Every step but a note or a slot's end lets events through once: that count
// is the number of steps run.
long long runsquares(RunRig& rig, int outer, int passes) {
    squareprogram(rig, outer, passes);
    const long long before = rig.platform.doeventscalls;
    gorun(rig.jex, 1);
    return rig.platform.doeventscalls - before;
}

void BM_FullSpeedStepsWithPenDown(benchmark::State& state) {
    auto rig = fullspeedrig();
    long long steps = 0;
    for (auto _ : state)
        steps += runsquares(*rig, 1, 10);
    if (steps < squaresteps(1, 10) * state.iterations())
        state.SkipWithError("the runs made fewer steps than the program has");
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullSpeedStepsWithPenDown)->Unit(benchmark::kMillisecond);

// Peak memory after a run of a hundred thousand steps and after one of ten
// million: the trail keeps each stroke once, so the two should be equal.
void BM_TenMillionStepsPeakMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto rig = fullspeedrig();
        const long long shortrun = runsquares(*rig, 1, 34);
        const long shortpeak = maxrsskilobytes();
        const long long longrun = runsquares(*rig, 10, 334);
        const long longpeak = maxrsskilobytes();
        if (shortrun < squaresteps(1, 34) || longrun < squaresteps(10, 334)) {
            state.SkipWithError(("the runs made " + std::to_string(shortrun) + " and " +
                                 std::to_string(longrun) + " steps, fewer than their programs have")
                                    .c_str());
            break;
        }
        state.counters["short run steps"] = static_cast<double>(shortrun);
        state.counters["long run steps"] = static_cast<double>(longrun);
        state.counters["peak KiB after short"] = static_cast<double>(shortpeak);
        state.counters["peak KiB after long"] = static_cast<double>(longpeak);
        state.counters["trail strokes"] = static_cast<double>(rig->jex.trail.count());
    }
}
BENCHMARK(BM_TenMillionStepsPeakMemory)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace jex::bench
