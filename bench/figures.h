// The summary of a bench run: each figure beside the baseline measured in the
// same run, their ratio, and the goal the figure is held to.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vantrel::bench {

enum class Unit { Seconds, Bytes };

// What the benchmarks measured, by benchmark name: the time of one iteration
// and any counters they set.
class Measurements {
public:
    void setTime(const QString& benchmark, double seconds);
    void setCounter(const QString& benchmark, const QString& counter, double value);
    std::optional<double> time(const QString& benchmark) const;
    std::optional<double> counter(const QString& benchmark, const QString& counter) const;

private:
    QHash<QString, double> m_times;
    QHash<QString, double> m_counters; // keyed "benchmark#counter"
};

// Where a figure comes from: a benchmark's time, or one of its counters,
// divided by a count (to give a cost per row).
struct Source {
    Source(QString benchmark_, QString counter_ = {}, double divisor_ = 1)
        : benchmark(std::move(benchmark_)), counter(std::move(counter_)), divisor(divisor_) {}

    QString benchmark;
    QString counter; // empty: the time of one iteration
    double divisor;

    std::optional<double> valueIn(const Measurements& m) const;
};

// Met when measured <= factor x baseline + offset: a ratio goal has no offset,
// an absolute one no factor.
struct Goal {
    double factor = 0;
    double offset = 0;

    static Goal ratio(double factor) { return {factor, 0}; }
    static Goal atMost(double limit) { return {0, limit}; }
};

struct Line {
    QString label;
    Unit unit = Unit::Seconds;
    Source measured;
    Source baseline;
    std::optional<Goal> goal;
};

enum class Verdict { Met, Missed, NoGoal, NotRun };

struct LineResult {
    std::optional<double> measured;
    std::optional<double> baseline;
    std::optional<double> ratio;
    Verdict verdict = Verdict::NotRun;
};

LineResult evaluate(const Line& line, const Measurements& m);

// "850 ns", "12.3 us", "4.56 ms", "1.20 s"; bytes as "170 B".
QString formatQuantity(double value, Unit unit);
// "<= 4x", "<= 500 ms", "<= 2x + 64 B".
QString formatGoal(const Goal& goal, Unit unit);
// 1000000 as "1 000 000".
QString groupedCount(qint64 count);

// The table: figure, measured, baseline, ratio, goal, verdict.
QString renderSummary(const std::vector<Line>& lines, const Measurements& m);

// Labels of the lines whose figure or baseline was not measured.
QStringList linesNotRun(const std::vector<Line>& lines, const Measurements& m);

} // namespace vantrel::bench
