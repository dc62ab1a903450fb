// Google Benchmark's usual console lines, and for the summary the figure of
// each benchmark: the median over its repetitions, or its one run.
#pragma once

#include "bench/figures.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace vantrel::bench {

class FigureReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as Google Benchmark's own reporter does.
    explicit FigureReporter(Measurements& out, bool colour = false)
        : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular), m_out(out) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // "name: message" for each benchmark that gave up with an error.
    const QStringList& errors() const { return m_errors; }

private:
    void keep(const Run& run);

    Measurements& m_out;
    QStringList m_errors;
};

} // namespace vantrel::bench
