// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks run in one Qt application: offscreen, or on the X display
// named by DISPLAY when there is one. The real program, started as a
// separate process, always gets a virtual screen of its own.
#include "scratchhome.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    const jex::bench::ScratchHome home;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
