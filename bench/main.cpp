// The bench: every figure of the plan through Google Benchmark, then the
// summary of each beside its baseline. Options: --tiny for the one quick pass
// the test suite runs, and Google Benchmark's own (--benchmark_filter=...).
// Exits non-zero when a benchmark gave up or, unfiltered, a figure is missing.
#include "app/errorbox.h"
#include "bench/benchplan.h"
#include "bench/figurereporter.h"
#include "bench/machine.h"

#include <QTextStream>
#include <cstring>
#include <unistd.h>

namespace {

// Removes a flag of our own from argv before Google Benchmark reads it.
bool takeFlag(int& argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) != 0)
            continue;
        for (int j = i; j + 1 < argc; ++j)
            argv[j] = argv[j + 1];
        --argc;
        return true;
    }
    return false;
}

bool filtered(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_filter", 18) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vantrel::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    vantrel::TApplication app(argc, argv);
    const bool tiny = takeFlag(argc, argv, "--tiny");
    const bool someOnly = filtered(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const BenchPlan plan = tiny ? BenchPlan::tinyRun() : BenchPlan::full();
    const Suite suite = allSuites(plan);
    registerSuite(suite, plan);

    QTextStream out(stdout);
    out << describeMachine() << Qt::endl;
    Measurements measurements;
    FigureReporter reporter(measurements, isatty(STDOUT_FILENO) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    out << Qt::endl << renderSummary(suite.lines, measurements);
    int status = 0;
    for (const QString& error : reporter.errors()) {
        out << "error: " << error << Qt::endl;
        status = 1;
    }
    if (!someOnly)
        for (const QString& label : linesNotRun(suite.lines, measurements)) {
            out << "not measured: " << label << Qt::endl;
            status = 1;
        }
    return status;
}
