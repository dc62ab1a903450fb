// The bench: every figure through Google Benchmark, each with its same-run
// baseline and ratio as counters (bench/README.md holds the goals). Options:
// --tiny for the one quick pass CTest runs, and Google Benchmark's own.
// Exits non-zero when a benchmark gave up.
#include "bench/bench.h"
#include "bench/goals.h"

#include <QApplication>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {

// The usual console lines, noting any benchmark that gave up and keeping the
// medians for the goals.
class Reporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as Google Benchmark's own reporter does.
    Reporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    bool failed = false;
    std::vector<Run> medians;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            failed = failed || run.error_occurred;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians.push_back(run);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    using namespace vantrel::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[argc - 1], "--tiny") == 0) {
        setTinyRun(true);
        --argc;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    registerRowStream();
    registerLoad();
    registerKeystroke();
    registerStartup();
    registerDiagram();
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!tinyRun())
        reportGoals(reporter.medians, std::cout);
    return reporter.failed ? 1 : 0;
}
