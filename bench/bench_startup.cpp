// Start-up: process launch to the main window first shown and painted,
// against a bare Qt window with one tab widget launched and timed the same way.
#include "bench/bench.h"
#include "bench/firstpaint.h"

#include <QProcess>

namespace vantrel::bench {

namespace {

// Seconds from launch to first paint, or 0 when the probe failed.
double launch(const QString& program) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, {QString::number(monotonicNanoseconds())});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return 0;
    // The report is the last line; Qt may print its own before it.
    const QByteArray report = probe.readAllStandardOutput().trimmed().split('\n').last();
    return double(report.toLongLong()) / 1e9;
}

void startup(benchmark::State& state) {
    const QString calc = QStringLiteral(VANTREL_STARTPROBE_CALC);
    const QString bare = QStringLiteral(VANTREL_STARTPROBE_BARE);
    // The first launch of each pays for filling the file cache; the figure is
    // for the starts after it.
    launch(calc);
    launch(bare);
    double figure = 0, baseline = 0;
    for (auto _ : state) {
        const double base = launch(bare);
        const double t = launch(calc);
        if (base <= 0 || t <= 0) {
            state.SkipWithError("a probe did not report its first paint");
            break;
        }
        state.SetIterationTime(t);
        figure += t;
        baseline += base;
    }
    setBaseline(state, figure, baseline);
}

} // namespace

void registerStartup() {
    add(QStringLiteral("startup"), startup, 4);
}

} // namespace vantrel::bench
