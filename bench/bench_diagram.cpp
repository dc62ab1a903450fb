// One pbPaint of the lens tab's diagram, on a page sized so that the paint box
// has the wanted size. Baseline: repainting an empty box of that size, the
// background and the flush to the window without any drawing.
#include "bench/benchplan.h"
#include "bench/paintwatch.h"
#include "lens/lenspage.h"
#include "lens/paintbox.h"

#include <QApplication>
#include <QTest>

namespace vantrel::bench {

namespace {

// The page's margins around the paint box at the design size.
constexpr QSize kPageMargins{704 - 339, 478 - 369};

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

bool showAt(QWidget& window, QSize size) {
    window.resize(size);
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();
    return exposed;
}

void diagram(benchmark::State& state, QSize box) {
    lens::TLensPage page;
    if (!showAt(page, box + kPageMargins) || page.pb->size() != box) {
        state.SkipWithError("the paint box did not take the wanted size");
        return;
    }
    PaintCounter paints(page.pb);
    for (auto _ : state)
        page.pbPaint(page.pb);
    if (paints.count() < state.iterations())
        state.SkipWithError("pbPaint did not paint the box each time");
}

void emptyBox(benchmark::State& state, QSize box) {
    QWidget window;
    auto* empty = new QWidget(&window);
    empty->setGeometry(QRect(QPoint(160, 40), box));
    if (!showAt(window, box + kPageMargins)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    PaintCounter paints(empty);
    for (auto _ : state)
        empty->repaint();
    if (paints.count() < state.iterations())
        state.SkipWithError("the empty box was not painted each time");
}

std::optional<Goal> diagramGoal(QSize box) {
    if (box == QSize(339, 369))
        return Goal::atMost(0.002);
    if (box == QSize(3840, 2160))
        return Goal::atMost(0.010);
    return std::nullopt;
}

} // namespace

Suite diagramSuite(const BenchPlan& plan) {
    Suite suite;
    for (const QSize box : plan.diagramSizes) {
        const QString measured = QStringLiteral("diagram/") + sizeText(box);
        const QString baseline = QStringLiteral("diagram/empty-box/") + sizeText(box);
        suite.benchmarks.push_back({measured, [box](auto& s) { diagram(s, box); }});
        suite.benchmarks.push_back({baseline, [box](auto& s) { emptyBox(s, box); }});
        suite.lines.push_back(
            {QStringLiteral("Diagram pbPaint, %1 x %2").arg(box.width()).arg(box.height()),
             Unit::Seconds,
             {measured},
             {baseline},
             diagramGoal(box)});
    }
    return suite;
}

} // namespace vantrel::bench
