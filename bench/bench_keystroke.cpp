// One keystroke in the open FPS editor of the first row: the change handler's
// cell write, the row's recalculation, the totals over every row, and the
// repaint the grid then does. Baseline: the same keystroke into a bare spin
// box. Beside it the totals alone, per row, against walking the same cells
// without reading them as numbers.
#include "bench/bench.h"
#include "core/numbers.h"
#include "grid/plangrid.h"
#include "planner/gridplanrows.h"
#include "planner/planner.h"
#include "tests/grid/plannergrid.h"
#include "tests/support/paintcounter.h"

#include <QApplication>
#include <QLocale>
#include <QSpinBox>
#include <QTest>
#include <algorithm>

namespace vantrel::bench {

namespace {

// Backspace and "0" by turns: FPS goes 10, 1, 10, ... and each key is a change.
Qt::Key nextKey(bool& shorten) {
    const Qt::Key key = shorten ? Qt::Key_Backspace : Qt::Key_0;
    shorten = !shorten;
    return key;
}

// A planner grid of count default rows, as after a load.
struct LoadedPlanner {
    explicit LoadedPlanner(qsizetype count) {
        grid.ReadRows(defaultRowStream(count));
        recalcFocusedRowCells(rows, separator);
        QApplication::processEvents();
    }
    test::PlannerGrid planner;
    TPlanGrid& grid = *planner.grid;
    TGridPlanRows rows{grid};
    QChar separator = decimalSeparatorOf(QLocale());
};

// Seconds per keystroke into a bare spin box, or 0 when it missed one.
double bareKeystroke(int keys) {
    QWidget window;
    auto* spin = new QSpinBox(&window);
    spin->setRange(1, 100);
    spin->setValue(10);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_End);
    int changes = 0;
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [&changes] { ++changes; });
    bool shorten = true;
    const double seconds = secondsOf([&] {
        for (int i = 0; i < keys; ++i) {
            QTest::keyClick(spin, nextKey(shorten));
            QApplication::processEvents();
        }
    });
    return changes == keys ? seconds / keys : 0;
}

void keystroke(benchmark::State& state, qsizetype rows) {
    const double bare =
        bareKeystroke(int(std::clamp<benchmark::IterationCount>(state.max_iterations, 1, 200)));
    LoadedPlanner loaded(rows);
    TotalTexts totals;
    int recalcs = 0;
    loaded.planner.onChange = [&](TGridColumn* sender) {
        applyCountChange(loaded.rows, sender->cellIndex(), loaded.grid.EditorText());
        if (recalcFocusedRowCells(loaded.rows, loaded.separator))
            totals = totalTexts(loaded.rows, loaded.separator);
        ++recalcs;
    };
    QWidget* editor = loaded.planner.openEditor(0, kFps);
    if (!editor || bare == 0) {
        state.SkipWithError("no FPS editor opened, or the bare spin box missed keys");
        return;
    }
    QTest::keyClick(editor, Qt::Key_End);
    test::PaintCounter paints(loaded.grid.viewport());
    bool shorten = true;
    double figure = 0;
    for (auto _ : state) {
        const int recalculated = recalcs, painted = paints.paints;
        const double t = secondsOf([&] {
            QTest::keyClick(editor, nextKey(shorten));
            QApplication::processEvents();
        });
        state.SetIterationTime(t);
        figure += t;
        if (recalcs != recalculated + 1 || paints.paints == painted) {
            state.SkipWithError("the keystroke did not recalculate and repaint");
            break;
        }
    }
    // The other rows count 10 each; the edited one its own FPS.
    if (totals.fps != QString::number(10 * (rows - 1) + (shorten ? 10 : 1)))
        state.SkipWithError("the totals do not follow the keystrokes");
    setBaseline(state, figure, bare * double(state.iterations()));
}

void totals(benchmark::State& state, qsizetype rows) {
    LoadedPlanner loaded(rows);
    const TGridRowList& list = loaded.grid.rows();
    TotalTexts texts;
    qsizetype bytes = 0;
    double figure = 0, baseline = 0;
    for (auto _ : state) {
        baseline += secondsOf([&] {
            for (const auto& row : list)
                for (const int cell : {kFps, kCameras, kBandwidth, kDiskSpace})
                    bytes += row->textView(cell).size();
        });
        const double t = secondsOf([&] { texts = totalTexts(loaded.rows, loaded.separator); });
        state.SetIterationTime(t);
        figure += t;
    }
    benchmark::DoNotOptimize(bytes);
    if (texts.fps != QString::number(10 * rows))
        state.SkipWithError("the totals are wrong");
    setBaseline(state, figure, baseline);
    state.counters["per_row"] =
        benchmark::Counter(figure / double(rows), benchmark::Counter::kAvgIterations);
}

} // namespace

void registerKeystroke() {
    for (const qsizetype rows : sizes({10, 10000, 100000})) {
        add(QStringLiteral("keystroke/%1").arg(rows), [rows](auto& s) { keystroke(s, rows); });
        add(QStringLiteral("totals/%1").arg(rows), [rows](auto& s) { totals(s, rows); });
    }
}

} // namespace vantrel::bench
