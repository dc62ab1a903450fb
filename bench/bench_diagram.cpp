// One drawing of the lens tab's diagram, on a page sized so that the paint box
// has the wanted size. Baseline: repainting an empty box of that size, the
// background and the flush to the window without any drawing.
#include "bench/bench.h"
#include "core/numbers.h"
#include "lens/diagrambox.h"
#include "lens/lenspage.h"
#include "tests/support/paintcounter.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace vantrel::bench {

namespace {

// The page's margins around the paint box at the design size.
constexpr QSize kPageMargins{704 - 339, 478 - 369};

bool showAt(QWidget& window, QSize size) {
    window.resize(size);
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();
    return exposed;
}

void diagram(benchmark::State& state, QSize box) {
    lens::TLensPage page(decimalSeparatorOf(QLocale()));
    QWidget emptyWindow;
    auto* empty = new QWidget(&emptyWindow);
    empty->setGeometry(QRect(QPoint(160, 40), box));
    auto* pb = page.findChild<lens::TDiagramBox*>("pb");
    if (!showAt(page, box + kPageMargins) || pb->size() != box ||
        !showAt(emptyWindow, box + kPageMargins)) {
        state.SkipWithError("the paint box did not take the wanted size");
        return;
    }
    test::PaintCounter paints(pb), emptyPaints(empty);
    double figure = 0, baseline = 0;
    for (auto _ : state) {
        baseline += secondsOf([&] { empty->repaint(); });
        const double t = secondsOf([&] { pb->redraw(); });
        state.SetIterationTime(t);
        figure += t;
    }
    if (paints.paints < state.iterations() || emptyPaints.paints < state.iterations())
        state.SkipWithError("a box was not painted each time");
    setBaseline(state, figure, baseline);
}

} // namespace

void registerDiagram() {
    const QSize large = tinyRun() ? QSize(640, 360) : QSize(3840, 2160);
    for (const QSize box : {QSize(339, 369), large})
        add(QStringLiteral("diagram/%1x%2").arg(box.width()).arg(box.height()),
            [box](auto& s) { diagram(s, box); });
}

} // namespace vantrel::bench
