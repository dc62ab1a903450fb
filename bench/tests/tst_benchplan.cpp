// Every summary line reads benchmarks that the plan runs, and the full plan
// holds each figure to its goal at the sizes the goals name.
#include "bench/benchplan.h"

#include <QSet>
#include <QTest>

using namespace vantrel::bench;

namespace {

QSet<QString> names(const Suite& suite) {
    QSet<QString> all;
    for (const BenchDef& def : suite.benchmarks)
        all.insert(def.name);
    return all;
}

const Line* lineLabelled(const Suite& suite, const QString& label) {
    for (const Line& line : suite.lines)
        if (line.label == label)
            return &line;
    return nullptr;
}

} // namespace

class TestBenchPlan : public QObject {
    Q_OBJECT
private slots:
    void linesReadBenchmarksThatRun_data() {
        QTest::addColumn<bool>("tiny");
        QTest::newRow("full") << false;
        QTest::newRow("tiny") << true;
    }
    void linesReadBenchmarksThatRun() {
        QFETCH(bool, tiny);
        const BenchPlan plan = tiny ? BenchPlan::tinyRun() : BenchPlan::full();
        const Suite suite = allSuites(plan);
        const QSet<QString> run = names(suite);
        QCOMPARE(qsizetype(run.size()), qsizetype(suite.benchmarks.size())); // unique names
        for (const Line& line : suite.lines) {
            QVERIFY2(run.contains(line.measured.benchmark), qPrintable(line.label));
            QVERIFY2(run.contains(line.baseline.benchmark), qPrintable(line.label));
        }
        for (const BenchDef& def : suite.benchmarks)
            QVERIFY2(def.body, qPrintable(def.name));
    }

    void fullPlanHoldsTheGoals_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("offset");
        QTest::newRow("read") << "Row stream read, 1 000 000 rows" << 4.0 << 0.0;
        QTest::newRow("memory") << "Memory per read row, 1 000 rows" << 2.0 << 64.0;
        QTest::newRow("load 100k") << "Load, 100 000 rows" << 0.0 << 0.5;
        QTest::newRow("load 1M") << "Load, 1 000 000 rows" << 0.0 << 5.0;
        QTest::newRow("keystroke") << "FPS keystroke, 100 000 rows" << 0.0 << 0.016;
        QTest::newRow("start-up") << "Start-up to first paint" << 1.5 << 0.0;
        QTest::newRow("diagram") << "Diagram pbPaint, 339 x 369" << 0.0 << 0.002;
        QTest::newRow("diagram 4K") << "Diagram pbPaint, 3840 x 2160" << 0.0 << 0.010;
    }
    void fullPlanHoldsTheGoals() {
        QFETCH(QString, label);
        const Suite suite = allSuites(BenchPlan::full());
        const Line* line = lineLabelled(suite, label);
        QVERIFY2(line && line->goal, qPrintable(label));
        QTEST(line->goal->factor, "factor");
        QTEST(line->goal->offset, "offset");
        QVERIFY(lineLabelled(suite, "RecalcTotals per row, 100 000 rows"));
    }
};

QTEST_GUILESS_MAIN(TestBenchPlan)
#include "tst_benchplan.moc"
