// The row stream on files of default rows: writing and reading them, each
// against moving the same bytes without the stream, and the heap a read row
// keeps against the bytes of its texts.
#include "bench/bench.h"
#include "grid/openfile.h"
#include "grid/rowstream.h"

#include <QFile>
#include <malloc.h>

namespace vantrel::bench {

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeThrough(const QString& path, const std::function<void(QFile&)>& write) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    write(file);
    return file.error() == QFile::NoError;
}

void write(benchmark::State& state, qsizetype count) {
    const QByteArray bytes = defaultRowStream(count);
    const TGridRowList rows = readRowStream(bytes);
    const QString path = defaultRowFile(count) + QStringLiteral(".out");
    double figure = 0, baseline = 0;
    bool ok = true;
    for (auto _ : state) {
        baseline += secondsOf([&] { ok &= writeThrough(path, [&](QFile& f) { f.write(bytes); }); });
        const double t = secondsOf(
            [&] { ok &= writeThrough(path, [&](QFile& f) { writeRowStream(f, rows); }); });
        state.SetIterationTime(t);
        figure += t;
    }
    if (!ok || readBytes(path) != bytes)
        state.SkipWithError("the written stream differs from the rows' bytes");
    setBaseline(state, figure, baseline);
}

// The rows of a file as a load reads them.
TGridRowList readRows(const QString& path) {
    TGridRowList rows;
    readRegularFile(path, [&rows](QByteArrayView bytes) { rows = readRowStream(bytes); });
    return rows;
}

void read(benchmark::State& state, qsizetype count) {
    const QString path = defaultRowFile(count);
    double figure = 0, baseline = 0;
    TGridRowList rows;
    for (auto _ : state) {
        baseline += secondsOf([&] { benchmark::DoNotOptimize(readBytes(path).size()); });
        rows = TGridRowList(); // the previous read's rows are freed untimed
        const double t = secondsOf([&] { rows = readRows(path); });
        state.SetIterationTime(t);
        figure += t;
    }
    if (qsizetype(rows.size()) != count || rows.front()->textCount() != 8)
        state.SkipWithError("the stream read back wrong");
    setBaseline(state, figure, baseline);
}

// Live heap bytes, chunk headers and mapped blocks included.
double liveHeap() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// The heap the rows of one read keep.
double heapKept(const QString& path) {
    const double before = liveHeap();
    const TGridRowList rows = readRows(path);
    return liveHeap() - before;
}

// The time is of no interest here; the counters are the figure: the heap per
// row beside the bytes of the row's texts. A read of one row is taken off
// first, so what the reader leaves in the library's cache does not count.
void memory(benchmark::State& state, qsizetype count) {
    const QString path = defaultRowFile(count);
    const double textBytes = double(defaultRowStream(1).size() - 8 - 4 - 24 - 8 * 4);
    double perRow = 0;
    for (auto _ : state) {
        const double fixed = heapKept(defaultRowFile(1));
        perRow = (heapKept(path) - fixed) / double(count - 1);
        state.SetIterationTime(1e-9);
    }
    state.counters["heap_per_row"] = perRow;
    state.counters["baseline"] = textBytes;
    state.counters["ratio"] = perRow / textBytes;
}

} // namespace

void registerRowStream() {
    for (const qsizetype rows : sizes({1000, 100000, 1000000})) {
        add(QStringLiteral("rowstream/write/%1").arg(rows), [rows](auto& s) { write(s, rows); });
        add(QStringLiteral("rowstream/read/%1").arg(rows), [rows](auto& s) { read(s, rows); });
        const auto heap = [rows](auto& s) { memory(s, rows); };
        add(QStringLiteral("rowstream/memory/%1").arg(rows), heap, 1);
    }
}

} // namespace vantrel::bench
