// Start-up: process launch to the main window first shown and painted,
// against a bare Qt window with one tab widget launched and timed the same way.
#include "bench/benchplan.h"
#include "bench/probereport.h"

#include <QProcess>
#include <QSet>

namespace vantrel::bench {

namespace {

// Nanoseconds from launch to first paint, or nothing when the probe failed.
std::optional<qint64> launchOnce(const QString& program) {
    QProcess probe;
    probe.setProgram(program);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.setArguments(probeArguments(monotonicNanoseconds()));
    probe.start();
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return std::nullopt;
    return readProbeReport(probe.readAllStandardOutput());
}

void startup(benchmark::State& state, const QString& program) {
    // The first launch of a program pays for filling the file cache; the
    // figure is for the starts after it.
    static QSet<QString> warm;
    if (!warm.contains(program)) {
        warm.insert(program);
        launchOnce(program);
    }
    for (auto _ : state) {
        const std::optional<qint64> elapsed = launchOnce(program);
        if (!elapsed) {
            state.SkipWithError("the probe did not report its first paint");
            return;
        }
        state.SetIterationTime(double(*elapsed) / 1e9);
    }
}

} // namespace

Suite startupSuite(const BenchPlan& plan) {
    Suite suite;
    const QString calc = QStringLiteral("startup/main-window");
    const QString bare = QStringLiteral("startup/bare-window");
    const QString calcProbe = QStringLiteral(VANTREL_STARTPROBE_CALC);
    const QString bareProbe = QStringLiteral(VANTREL_STARTPROBE_BARE);
    const int launches = plan.launchesPerRepetition;
    suite.benchmarks.push_back(
        {calc, [calcProbe](auto& s) { startup(s, calcProbe); }, true, launches});
    suite.benchmarks.push_back(
        {bare, [bareProbe](auto& s) { startup(s, bareProbe); }, true, launches});
    suite.lines.push_back({QStringLiteral("Start-up to first paint"),
                           Unit::Seconds,
                           {calc},
                           {bare},
                           Goal::ratio(1.5)});
    return suite;
}

} // namespace vantrel::bench
