#include "bench/bench.h"

#include "core/error.h"
#include "core/numbers.h"
#include "grid/plangrid.h"
#include "planner/gridplanrows.h"
#include "planner/planner.h"
#include "tests/grid/plannergrid.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTemporaryDir>
#include <QtEndian>

namespace vantrel::bench {

namespace {

bool g_tiny = false;

QByteArray int32Bytes(qint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    return QByteArray(raw, 4);
}

// The record of the program's first row, as a planner grid saves it.
QByteArray defaultRecord() {
    test::PlannerGrid planner;
    TGridPlanRows rows(*planner.grid);
    addCameraType(rows);
    recalcFocusedRowCells(rows, decimalSeparatorOf(QLocale()));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    planner.grid->WriteRows(buffer);
    return bytes.mid(8); // after the layout marker and the row count
}

} // namespace

void setTinyRun(bool tiny) {
    g_tiny = tiny;
}

bool tinyRun() {
    return g_tiny;
}

std::vector<qsizetype> sizes(std::initializer_list<qsizetype> full) {
    if (g_tiny)
        return {10};
    return full;
}

void add(const QString& name, std::function<void(benchmark::State&)> body, int iterations) {
    const auto guarded = [body = std::move(body)](benchmark::State& state) {
        try {
            body(state);
        } catch (const EError& e) {
            state.SkipWithError(e.what());
        }
    };
    auto* b = benchmark::RegisterBenchmark(name.toStdString().c_str(), guarded);
    b->Unit(benchmark::kMillisecond)->UseManualTime();
    if (g_tiny)
        iterations = 1;
    else
        b->Repetitions(5)->ReportAggregatesOnly(true);
    if (iterations > 0)
        b->Iterations(iterations);
}

void setBaseline(benchmark::State& state, double figureTotal, double baselineTotal) {
    state.counters["baseline"] =
        benchmark::Counter(baselineTotal, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = baselineTotal > 0 ? figureTotal / baselineTotal : 0;
}

QByteArray defaultRowStream(qsizetype count) {
    static const QByteArray record = defaultRecord();
    QByteArray bytes = int32Bytes(kCurrentLayoutMarker) + int32Bytes(qint32(count));
    bytes.reserve(8 + count * record.size());
    for (qsizetype i = 0; i < count; ++i)
        bytes += record;
    return bytes;
}

QString defaultRowFile(qsizetype count) {
    static QTemporaryDir dir;
    static QHash<qsizetype, QString> paths;
    if (const auto it = paths.constFind(count); it != paths.cend())
        return *it;
    const QString path = dir.filePath(QStringLiteral("rows-%1.ip").arg(count));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(defaultRowStream(count)) < 0)
        throw EError(QStringLiteral("Cannot write %1").arg(path));
    paths.insert(count, path);
    return path;
}

} // namespace vantrel::bench
