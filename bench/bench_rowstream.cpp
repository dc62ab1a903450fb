// The row stream on files of default rows: writing and reading them, each
// against moving the same bytes without the stream, and what a read row keeps
// in memory against the bytes of its texts.
#include "bench/benchplan.h"
#include "bench/heapmeter.h"
#include "bench/rowfiles.h"
#include "core/error.h"
#include "grid/rowstream.h"

#include <QFile>

namespace vantrel::bench {

namespace {

QString name(const char* what, qsizetype rows) {
    return QStringLiteral("rowstream/%1/%2").arg(QLatin1String(what)).arg(rows);
}

qint64 streamSize(qsizetype rows) {
    return 8 + rows * (4 + 24 + 4 * 8 + defaultRowTextBytes());
}

bool openFile(benchmark::State& state, QFile& file, QIODevice::OpenMode mode) {
    if (file.open(mode))
        return true;
    state.SkipWithError(file.errorString().toStdString().c_str());
    return false;
}

void writeRows(benchmark::State& state, qsizetype count) {
    const TGridRowList rows = makeDefaultRows(count);
    const QString path = rowFiles().scratchPath();
    try {
        for (auto _ : state) {
            QFile file(path);
            if (!openFile(state, file, QIODevice::WriteOnly | QIODevice::Truncate))
                return;
            writeRowStream(file, rows);
        }
    } catch (const EError& e) {
        state.SkipWithError(e.what());
        return;
    }
    if (QFile(path).size() != streamSize(count))
        state.SkipWithError("the written stream has the wrong size");
}

void writeBytes(benchmark::State& state, qsizetype count) {
    const QByteArray bytes = defaultRowStream(count);
    const QString path = rowFiles().scratchPath();
    for (auto _ : state) {
        QFile file(path);
        if (!openFile(state, file, QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        if (file.write(bytes) != bytes.size()) {
            state.SkipWithError("short write");
            return;
        }
    }
}

void readBytes(benchmark::State& state, qsizetype count) {
    const QString path = rowFiles().pathFor(count);
    for (auto _ : state) {
        QFile file(path);
        if (!openFile(state, file, QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
        if (bytes.size() != streamSize(count)) {
            state.SkipWithError("the file has the wrong size");
            return;
        }
    }
}

TGridRowList readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EError(file.errorString());
    return readRowStream(file);
}

// What one more read keeps, with nothing else alive.
std::size_t heapAfterReading(const QString& path) {
    const HeapGrowth growth;
    const TGridRowList rows = readFile(path);
    return growth.bytes();
}

// The heap each read row keeps. A read of one row is taken off first: what
// the file and the reader leave behind in the library's cache is the same for
// every size, and would otherwise weigh on small ones.
double heapPerRow(const QString& path, qsizetype count) {
    if (count < 2)
        return double(heapAfterReading(path));
    const double fixed = double(heapAfterReading(rowFiles().pathFor(1)));
    return (double(heapAfterReading(path)) - fixed) / double(count - 1);
}

void readRows(benchmark::State& state, qsizetype count) {
    const QString path = rowFiles().pathFor(count);
    TGridRowList rows;
    try {
        for (auto _ : state) {
            state.PauseTiming();
            rows = TGridRowList(); // the previous read's rows are freed untimed
            state.ResumeTiming();
            rows = readFile(path);
        }
        if (qsizetype(rows.size()) != count || rows.front()->textCount() != 8) {
            state.SkipWithError("the stream read back wrong");
            return;
        }
        rows = TGridRowList();
        state.counters["heap_per_row"] = heapPerRow(path, count);
        state.counters["text_per_row"] = double(defaultRowTextBytes());
    } catch (const EError& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

Suite rowStreamSuite(const BenchPlan& plan) {
    Suite suite;
    for (const qsizetype rows : plan.rowStreamRows) {
        const QString count = groupedCount(rows);
        suite.benchmarks.push_back({name("write", rows), [rows](auto& s) { writeRows(s, rows); }});
        suite.benchmarks.push_back(
            {name("write-bytes", rows), [rows](auto& s) { writeBytes(s, rows); }});
        suite.benchmarks.push_back({name("read", rows), [rows](auto& s) { readRows(s, rows); }});
        suite.benchmarks.push_back(
            {name("read-bytes", rows), [rows](auto& s) { readBytes(s, rows); }});

        suite.lines.push_back({QStringLiteral("Row stream write, %1 rows").arg(count),
                               Unit::Seconds,
                               {name("write", rows)},
                               {name("write-bytes", rows)},
                               std::nullopt});
        suite.lines.push_back({QStringLiteral("Row stream read, %1 rows").arg(count),
                               Unit::Seconds,
                               {name("read", rows)},
                               {name("read-bytes", rows)},
                               Goal::ratio(4)});
        suite.lines.push_back({QStringLiteral("Memory per read row, %1 rows").arg(count),
                               Unit::Bytes,
                               {name("read", rows), QStringLiteral("heap_per_row")},
                               {name("read", rows), QStringLiteral("text_per_row")},
                               Goal{2, 64}});
    }
    return suite;
}

} // namespace vantrel::bench
