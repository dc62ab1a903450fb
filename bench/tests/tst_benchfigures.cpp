// The summary's arithmetic and text: goals met and missed at their edges,
// figures per row, missing measurements, and the forms of the numbers.
#include "bench/figures.h"
#include "bench/machine.h"

#include <QTest>

using namespace vantrel::bench;

Q_DECLARE_METATYPE(Verdict)

class TestBenchFigures : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data() {
        QTest::addColumn<double>("measured");
        QTest::addColumn<double>("baseline");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("offset");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("ratio under") << 3.0 << 1.0 << 4.0 << 0.0 << Verdict::Met;
        QTest::newRow("ratio at the limit") << 4.0 << 1.0 << 4.0 << 0.0 << Verdict::Met;
        QTest::newRow("ratio over") << 4.01 << 1.0 << 4.0 << 0.0 << Verdict::Missed;
        QTest::newRow("absolute ignores baseline") << 0.4 << 100.0 << 0.0 << 0.5 << Verdict::Met;
        QTest::newRow("absolute over") << 0.6 << 0.001 << 0.0 << 0.5 << Verdict::Missed;
        QTest::newRow("bytes at 2x + 64") << 170.0 << 53.0 << 2.0 << 64.0 << Verdict::Met;
        QTest::newRow("bytes past 2x + 64") << 171.0 << 53.0 << 2.0 << 64.0 << Verdict::Missed;
    }
    void verdicts() {
        QFETCH(double, measured);
        QFETCH(double, baseline);
        QFETCH(double, factor);
        QFETCH(double, offset);
        Measurements m;
        m.setTime("a", measured);
        m.setTime("b", baseline);
        const Line line{"x", Unit::Seconds, {"a"}, {"b"}, Goal{factor, offset}};
        const LineResult r = evaluate(line, m);
        QTEST(r.verdict, "verdict");
        QCOMPARE(*r.ratio, measured / baseline);
    }

    void figuresPerRowAndFromCounters() {
        Measurements m;
        m.setTime("totals", 0.5);
        m.setTime("walk", 0.05);
        m.setCounter("totals", "heap", 7.0);
        const Line perRow{"p", Unit::Seconds, {"totals", {}, 1e5}, {"walk", {}, 1e5}, {}};
        const LineResult r = evaluate(perRow, m);
        QCOMPARE(*r.measured, 5e-6);
        QCOMPARE(*r.baseline, 5e-7);
        QCOMPARE(r.verdict, Verdict::NoGoal);
        // A counter is read as such, never as the benchmark's time.
        QCOMPARE(*Source("totals", "heap").valueIn(m), 7.0);
        QVERIFY(!Source("walk", "heap").valueIn(m));
    }

    void missingMeasurementsAreNotRun() {
        Measurements m;
        m.setTime("a", 1);
        const std::vector<Line> lines{{"both", Unit::Seconds, {"a"}, {"a"}, Goal::ratio(2)},
                                      {"no baseline", Unit::Seconds, {"a"}, {"b"}, {}},
                                      {"no figure", Unit::Seconds, {"c"}, {"a"}, {}}};
        QCOMPARE(linesNotRun(lines, m), (QStringList{"no baseline", "no figure"}));
        const QStringList table = renderSummary(lines, m).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(table.size(), 4);
        QVERIFY(table[0].startsWith("figure"));
        QVERIFY(table[1].endsWith("met"));
        QVERIFY(table[2].endsWith("not run"));
        QVERIFY(table[3].startsWith("no figure"));
        // The columns line up: every line has the ratio column at one place.
        const qsizetype at = table[0].indexOf("ratio");
        QCOMPARE(table[1].mid(at, 5).trimmed(), QString("1.00x"));
    }

    void quantities_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ns") << 850e-9 << false << "850 ns";
        QTest::newRow("us") << 15e-6 << false << "15.0 us";
        QTest::newRow("ms") << 4.567e-3 << false << "4.57 ms";
        QTest::newRow("s") << 1.2 << false << "1.20 s";
        QTest::newRow("bytes") << 170.4 << true << "170 B";
    }
    void quantities() {
        QFETCH(double, value);
        QFETCH(bool, bytes);
        QTEST(formatQuantity(value, bytes ? Unit::Bytes : Unit::Seconds), "text");
    }

    void goalsAndCounts() {
        QCOMPARE(formatGoal(Goal::ratio(1.5), Unit::Seconds), QString("<= 1.5x"));
        QCOMPARE(formatGoal(Goal::atMost(0.5), Unit::Seconds), QString("<= 500 ms"));
        QCOMPARE(formatGoal(Goal{2, 64}, Unit::Bytes), QString("<= 2x + 64 B"));
        QCOMPARE(groupedCount(0), QString("0"));
        QCOMPARE(groupedCount(999), QString("999"));
        QCOMPARE(groupedCount(1000), QString("1 000"));
        QCOMPARE(groupedCount(100000), QString("100 000"));
        QCOMPARE(groupedCount(1000000), QString("1 000 000"));
        QCOMPARE(groupedCount(-1234), QString("-1 234"));
    }

    void cpuModelFromCpuinfo() {
        const QByteArray cpuinfo = "processor\t: 0\nvendor_id\t: Shop\n"
                                   "model name\t: Made-up CPU 9000 @ 3.00GHz\nflags\t\t: fpu\n";
        QCOMPARE(cpuModel(cpuinfo), QString("Made-up CPU 9000 @ 3.00GHz"));
        QCOMPARE(cpuModel("processor\t: 0\n"), QString("unknown"));
    }
};

QTEST_GUILESS_MAIN(TestBenchFigures)
#include "tst_benchfigures.moc"
