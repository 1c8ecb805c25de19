// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks run in one Qt application: offscreen, or on the X display
// named by DISPLAY when there is one. The real program, started as a
// separate process, always gets a virtual screen of its own. A benchmark
// whose measure did not happen reports an error, and the run then fails.
#include "scratchhome.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

class FailingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.error_occurred) failures.push_back(run.benchmark_name() + ": " + run.error_message);
        ConsoleReporter::ReportRuns(runs);
    }
    std::vector<std::string> failures;
};

} // namespace

int main(int argc, char** argv) {
    const jex::bench::ScratchHome home;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication application(argc, argv);
    FailingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const std::string& failure : reporter.failures) std::cerr << "FAILED " << failure << '\n';
    return reporter.failures.empty() ? 0 : 1;
}
