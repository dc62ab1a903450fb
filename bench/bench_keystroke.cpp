// One keystroke in the open FPS editor of the first row: the change handler,
// the row's recalculation, the totals over every row, and the repaint the grid
// then does. Baseline: the same keystroke into a bare spin box. Beside it the
// cost per row of the totals, against walking the rows' cells without reading
// them as numbers.
#include "bench/benchplan.h"
#include "bench/calcwindow.h"
#include "bench/paintwatch.h"
#include "grid/gridmodel.h"
#include "grid/plangrid.h"
#include "planner/plannerpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace vantrel::bench {

namespace {

constexpr int kFpsCell = 3;

QString name(const char* what, qsizetype rows) {
    return QStringLiteral("%1/%2").arg(QLatin1String(what)).arg(rows);
}

// Backspace and "0" by turns: FPS goes 10, 1, 10, ... and each key is a change.
Qt::Key nextKey(bool& shorten) {
    const Qt::Key key = shorten ? Qt::Key_Backspace : Qt::Key_0;
    shorten = !shorten;
    return key;
}

QWidget* openFpsEditor(TPlanGrid& grid) {
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(0, kFpsCell));
    QTest::keyClick(&grid, Qt::Key_Return);
    QWidget* editor = grid.editorWidget();
    if (editor)
        QTest::keyClick(editor, Qt::Key_End);
    return editor;
}

void keystroke(benchmark::State& state, qsizetype rows) {
    CalcWindow window;
    TCalc& calc = window.calc();
    window.loadDefaultRows(rows);
    QWidget* editor = openFpsEditor(*calc.plannerPage->planGrid);
    if (!editor) {
        state.SkipWithError("no editor opened on the FPS cell");
        return;
    }
    PaintCounter paints(calc.plannerPage->planGrid->viewport());
    bool shorten = true;
    QElapsedTimer repaint;
    qint64 repaintNs = 0;
    for (auto _ : state) {
        const qint32 before = calc.plannerPage->recalcCount();
        const int painted = paints.count();
        QTest::keyClick(editor, nextKey(shorten));
        repaint.start();
        QApplication::processEvents();
        repaintNs += repaint.nsecsElapsed();
        if (calc.plannerPage->recalcCount() != before + 1 || paints.count() == painted) {
            state.SkipWithError("the keystroke did not recalculate and repaint");
            return;
        }
    }
    // The share of the repaint, to tell it from the handlers' work.
    state.counters["repaint_s"] = double(repaintNs) / 1e9 / double(state.iterations());
    // The other rows count 10 each; the edited one its own FPS.
    const qint64 fps = shorten ? 10 : 1;
    if (calc.plannerPage->edFPS->text() != QString::number(10 * (rows - 1) + fps))
        state.SkipWithError("the totals do not follow the keystrokes");
}

void bareKeystroke(benchmark::State& state) {
    QWidget window;
    auto* spin = new QSpinBox(&window);
    spin->setRange(1, 100);
    spin->setValue(10);
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowExposed(&window);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_End);
    int changes = 0;
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [&changes] { ++changes; });
    bool shorten = true;
    for (auto _ : state) {
        QTest::keyClick(spin, nextKey(shorten));
        QApplication::processEvents();
    }
    if (changes != int(state.iterations()))
        state.SkipWithError("the spin box missed keystrokes");
}

void recalcTotals(benchmark::State& state, qsizetype rows) {
    CalcWindow window;
    TCalc& calc = window.calc();
    window.loadDefaultRows(rows);
    calc.plannerPage->edFPS->clear();
    for (auto _ : state)
        calc.plannerPage->RecalcTotals();
    if (calc.plannerPage->edFPS->text() != QString::number(10 * rows))
        state.SkipWithError("the totals are wrong");
}

// The cells the totals read, touched without being read as numbers.
void walkRows(benchmark::State& state, qsizetype rows) {
    CalcWindow window;
    window.loadDefaultRows(rows);
    const TGridRowList& list = window.calc().plannerPage->planGrid->rows();
    for (auto _ : state) {
        qsizetype bytes = 0;
        for (const auto& row : list)
            for (const int cell : {3, 5, 6, 7})
                bytes += row->textView(cell).size();
        benchmark::DoNotOptimize(bytes);
    }
}

std::optional<Goal> keystrokeGoal(qsizetype rows) {
    if (rows == 100000)
        return Goal::atMost(0.016);
    return std::nullopt;
}

} // namespace

Suite keystrokeSuite(const BenchPlan& plan) {
    Suite suite;
    const QString bare = QStringLiteral("keystroke/bare-spinbox");
    suite.benchmarks.push_back({bare, bareKeystroke});
    for (const qsizetype rows : plan.keystrokeRows) {
        const QString count = groupedCount(rows);
        suite.benchmarks.push_back(
            {name("keystroke", rows), [rows](auto& s) { keystroke(s, rows); }});
        suite.benchmarks.push_back(
            {name("totals", rows), [rows](auto& s) { recalcTotals(s, rows); }});
        suite.benchmarks.push_back({name("rowwalk", rows), [rows](auto& s) { walkRows(s, rows); }});

        suite.lines.push_back({QStringLiteral("FPS keystroke, %1 rows").arg(count),
                               Unit::Seconds,
                               {name("keystroke", rows)},
                               {bare},
                               keystrokeGoal(rows)});
        const double perRow = double(rows);
        suite.lines.push_back({QStringLiteral("RecalcTotals per row, %1 rows").arg(count),
                               Unit::Seconds,
                               {name("totals", rows), {}, perRow},
                               {name("rowwalk", rows), {}, perRow},
                               std::nullopt});
    }
    return suite;
}

} // namespace vantrel::bench
