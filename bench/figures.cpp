#include "bench/figures.h"

#include <algorithm>
#include <cmath>

namespace vantrel::bench {

void Measurements::setTime(const QString& benchmark, double seconds) {
    m_times.insert(benchmark, seconds);
}

void Measurements::setCounter(const QString& benchmark, const QString& counter, double value) {
    m_counters.insert(benchmark + u'#' + counter, value);
}

std::optional<double> Measurements::time(const QString& benchmark) const {
    const auto it = m_times.constFind(benchmark);
    if (it == m_times.cend())
        return std::nullopt;
    return *it;
}

std::optional<double> Measurements::counter(const QString& benchmark,
                                            const QString& counter) const {
    const auto it = m_counters.constFind(benchmark + u'#' + counter);
    if (it == m_counters.cend())
        return std::nullopt;
    return *it;
}

std::optional<double> Source::valueIn(const Measurements& m) const {
    const std::optional<double> raw =
        counter.isEmpty() ? m.time(benchmark) : m.counter(benchmark, counter);
    if (!raw || divisor == 0)
        return std::nullopt;
    return *raw / divisor;
}

LineResult evaluate(const Line& line, const Measurements& m) {
    LineResult r;
    r.measured = line.measured.valueIn(m);
    r.baseline = line.baseline.valueIn(m);
    if (!r.measured || !r.baseline)
        return r;
    if (*r.baseline > 0)
        r.ratio = *r.measured / *r.baseline;
    if (!line.goal)
        r.verdict = Verdict::NoGoal;
    else if (*r.measured <= line.goal->factor * *r.baseline + line.goal->offset)
        r.verdict = Verdict::Met;
    else
        r.verdict = Verdict::Missed;
    return r;
}

namespace {

// Three significant digits, no exponent.
QString threeDigits(double v) {
    const int decimals = v >= 100 ? 0 : v >= 10 ? 1 : 2;
    return QString::number(v, 'f', decimals);
}

QString verdictText(Verdict v) {
    switch (v) {
    case Verdict::Met:
        return QStringLiteral("met");
    case Verdict::Missed:
        return QStringLiteral("MISSED");
    case Verdict::NoGoal:
        return QStringLiteral("-");
    case Verdict::NotRun:
        return QStringLiteral("not run");
    }
    return {};
}

QString padded(const QString& text, qsizetype width, bool right) {
    return right ? text.rightJustified(width) : text.leftJustified(width);
}

} // namespace

QString formatQuantity(double value, Unit unit) {
    if (unit == Unit::Bytes)
        return QString::number(std::llround(value)) + QStringLiteral(" B");
    const double a = std::fabs(value);
    if (a < 1e-6)
        return threeDigits(value * 1e9) + QStringLiteral(" ns");
    if (a < 1e-3)
        return threeDigits(value * 1e6) + QStringLiteral(" us");
    if (a < 1)
        return threeDigits(value * 1e3) + QStringLiteral(" ms");
    return threeDigits(value) + QStringLiteral(" s");
}

QString formatGoal(const Goal& goal, Unit unit) {
    const QString factor = QString::number(goal.factor) + u'x';
    if (goal.offset == 0)
        return QStringLiteral("<= ") + factor;
    const QString offset = formatQuantity(goal.offset, unit);
    if (goal.factor == 0)
        return QStringLiteral("<= ") + offset;
    return QStringLiteral("<= ") + factor + QStringLiteral(" + ") + offset;
}

QString groupedCount(qint64 count) {
    QString digits = QString::number(count < 0 ? -count : count);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u' ');
    return count < 0 ? u'-' + digits : digits;
}

QString renderSummary(const std::vector<Line>& lines, const Measurements& m) {
    const QStringList header{QStringLiteral("figure"),   QStringLiteral("measured"),
                             QStringLiteral("baseline"), QStringLiteral("ratio"),
                             QStringLiteral("goal"),     QStringLiteral("verdict")};
    std::vector<QStringList> rows{header};
    for (const Line& line : lines) {
        const LineResult r = evaluate(line, m);
        const auto quantity = [&](const std::optional<double>& v) {
            return v ? formatQuantity(*v, line.unit) : QStringLiteral("-");
        };
        rows.push_back({line.label, quantity(r.measured), quantity(r.baseline),
                        r.ratio ? QString::number(*r.ratio, 'f', 2) + u'x' : QStringLiteral("-"),
                        line.goal ? formatGoal(*line.goal, line.unit) : QStringLiteral("-"),
                        verdictText(r.verdict)});
    }
    std::vector<qsizetype> widths(header.size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], row[c].size());
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype c = 0; c < row.size(); ++c)
            cells << padded(row[c], widths[std::size_t(c)], c > 0 && c < 4);
        out += cells.join(QStringLiteral("  ")).trimmed() + u'\n';
    }
    return out;
}

QStringList linesNotRun(const std::vector<Line>& lines, const Measurements& m) {
    QStringList missing;
    for (const Line& line : lines)
        if (evaluate(line, m).verdict == Verdict::NotRun)
            missing << line.label;
    return missing;
}

} // namespace vantrel::bench
