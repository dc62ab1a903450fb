// Loading a configuration file as the Load button does once its dialog has
// answered: the read into the live planner grid inside its update bracket,
// the recalculation of the focused row and the totals, and the repaint that
// follows. Baseline: reading the same file's bytes into memory.
#include "bench/bench.h"
#include "core/numbers.h"
#include "grid/plangrid.h"
#include "planner/gridplanrows.h"
#include "planner/planner.h"
#include "tests/grid/plannergrid.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

namespace vantrel::bench {

namespace {

qsizetype readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().size() : -1;
}

void load(benchmark::State& state, qsizetype rows) {
    const QString path = defaultRowFile(rows);
    test::PlannerGrid planner;
    TPlanGrid& grid = *planner.grid;
    TGridPlanRows planRows(grid);
    const QChar separator = decimalSeparatorOf(QLocale());
    TotalTexts totals;
    double figure = 0, baseline = 0;
    for (auto _ : state) {
        // Every load starts where a user starts: the one row of start-up.
        grid.ClearRows();
        addCameraType(planRows);
        QApplication::processEvents();
        baseline += secondsOf([&] { benchmark::DoNotOptimize(readBytes(path)); });
        const double t = secondsOf([&] {
            grid.ReadRowsFromFile(path);
            if (recalcFocusedRowCells(planRows, separator))
                totals = totalTexts(planRows, separator);
            QApplication::processEvents();
        });
        state.SetIterationTime(t);
        figure += t;
    }
    // Every default row counts 10 frames per second in the total.
    if (grid.RowCount() != rows || totals.fps != QString::number(10 * rows))
        state.SkipWithError("the load did not read and total every row");
    setBaseline(state, figure, baseline);
}

} // namespace

void registerLoad() {
    for (const qsizetype rows : sizes({100000, 1000000}))
        add(QStringLiteral("load/%1").arg(rows), [rows](auto& s) { load(s, rows); });
}

} // namespace vantrel::bench
