// The reporter keeps one figure per benchmark: the median of a repeated one,
// the only run of a single one, and the errors of those that gave up.
#include "bench/figurereporter.h"

#include <QTest>
#include <sstream>

using namespace vantrel::bench;
using Run = benchmark::BenchmarkReporter::Run;

namespace {

Run run(const char* name, double seconds, benchmark::IterationCount iterations, int repetitions) {
    Run r;
    r.run_name.function_name = name;
    r.real_accumulated_time = seconds;
    r.cpu_accumulated_time = seconds;
    r.iterations = iterations;
    r.repetitions = repetitions;
    r.repetition_index = 0;
    return r;
}

Run aggregate(const char* name, const char* statistic, double seconds) {
    Run r = run(name, seconds, 10, 5);
    r.run_type = Run::RT_Aggregate;
    r.aggregate_name = statistic;
    return r;
}

} // namespace

class TestBenchReporter : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_reporter = std::make_unique<FigureReporter>(m_figures);
        m_reporter->SetOutputStream(&m_console);
        m_reporter->SetErrorStream(&m_console);
    }

    void keepsTheMedianOfRepetitions() {
        // Repetitions arrive one by one, then their aggregates.
        m_reporter->ReportRuns({run("r", 3.0, 10, 5)});
        QVERIFY(!m_figures.time("r"));
        m_reporter->ReportRuns({aggregate("r", "mean", 4.0), aggregate("r", "median", 2.0),
                                aggregate("r", "stddev", 0.5)});
        QCOMPARE(*m_figures.time("r"), 0.2); // per iteration
    }

    void keepsALoneRunAndItsCounters() {
        Run r = run("once", 0.3, 3, 1);
        r.counters["heap_per_row"] = benchmark::Counter(132);
        m_reporter->ReportRuns({r});
        QCOMPARE(*m_figures.time("once"), 0.1);
        QCOMPARE(*m_figures.counter("once", "heap_per_row"), 132.0);
        QVERIFY(m_reporter->errors().isEmpty());
        QVERIFY(QString::fromStdString(m_console.str()).contains("once"));
    }

    void reportsErrorsAndKeepsNoFigure() {
        Run r = run("broken", 0, 0, 1);
        r.error_occurred = true;
        r.error_message = "no editor opened";
        m_reporter->ReportRuns({r});
        QCOMPARE(m_reporter->errors(), QStringList{"broken: no editor opened"});
        QVERIFY(!m_figures.time("broken"));
    }

private:
    Measurements m_figures;
    std::ostringstream m_console;
    std::unique_ptr<FigureReporter> m_reporter;
};

QTEST_GUILESS_MAIN(TestBenchReporter)
#include "tst_benchreporter.moc"
