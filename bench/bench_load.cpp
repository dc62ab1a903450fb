// Loading a configuration file the way the Load button does, with the dialog
// answered at once: the read into the live grid inside its update bracket, the
// one recalculation, and the repaint that follows. Baseline: reading the same
// file's bytes into memory.
#include "bench/benchplan.h"
#include "bench/calcwindow.h"
#include "bench/rowfiles.h"
#include "grid/plangrid.h"
#include "planner/plannerpage.h"

#include <QApplication>
#include <QLineEdit>

namespace vantrel::bench {

namespace {

QString name(qsizetype rows) {
    return QStringLiteral("load/%1").arg(rows);
}

// Every iteration starts where a user does: the one row of start-up.
void backToStartUp(TCalc& calc) {
    calc.plannerPage->planGrid->ClearRows();
    calc.plannerPage->btnAddClick();
    QApplication::processEvents();
}

void load(benchmark::State& state, qsizetype rows) {
    const QString path = rowFiles().pathFor(rows);
    CalcWindow window;
    TCalc& calc = window.calc();
    calc.plannerPage->setFileChooser([path](auto, const QString&) { return path; });
    for (auto _ : state) {
        state.PauseTiming();
        backToStartUp(calc);
        const qint32 before = calc.plannerPage->recalcCount();
        state.ResumeTiming();
        calc.plannerPage->btnLoadClick();
        QApplication::processEvents();
        if (calc.plannerPage->planGrid->RowCount() != rows ||
            calc.plannerPage->recalcCount() != before + 1) {
            state.SkipWithError("the load did not read every row and recalculate once");
            return;
        }
    }
    // Every default row counts 10 frames per second in the total.
    if (calc.plannerPage->edFPS->text() != QString::number(10 * rows))
        state.SkipWithError("the totals do not cover the loaded rows");
    if (window.unexpectedBoxes() > 0)
        state.SkipWithError("the load showed a message box");
}

} // namespace

Suite loadSuite(const BenchPlan& plan) {
    Suite suite;
    for (const qsizetype rows : plan.loadRows) {
        suite.benchmarks.push_back({name(rows), [rows](auto& s) { load(s, rows); }});
        std::optional<Goal> goal;
        if (rows == 100000)
            goal = Goal::atMost(0.5);
        else if (rows == 1000000)
            goal = Goal::atMost(5);
        suite.lines.push_back({QStringLiteral("Load, %1 rows").arg(groupedCount(rows)),
                               Unit::Seconds,
                               {name(rows)},
                               {QStringLiteral("rowstream/read-bytes/%1").arg(rows)},
                               goal});
    }
    return suite;
}

} // namespace vantrel::bench
