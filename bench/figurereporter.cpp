#include "bench/figurereporter.h"

namespace vantrel::bench {

void FigureReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            m_errors << QString::fromStdString(run.run_name.function_name + ": " +
                                               run.error_message);
            continue;
        }
        // Repeated benchmarks report their spread as aggregates; the median
        // stands for them, a lone run for itself.
        const bool lone = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (lone || median)
            keep(run);
    }
}

void FigureReporter::keep(const Run& run) {
    const QString name = QString::fromStdString(run.run_name.function_name);
    if (run.iterations > 0)
        m_out.setTime(name, run.real_accumulated_time / double(run.iterations));
    for (const auto& [counter, value] : run.counters)
        m_out.setCounter(name, QString::fromStdString(counter), value.value);
}

} // namespace vantrel::bench
