// The goals of bench/README.md, checked against the medians of a run: one
// line per goal whose benchmark ran, saying met or missed.
#pragma once

#include <benchmark/benchmark.h>
#include <ostream>
#include <vector>

namespace vantrel::bench {

using Run = benchmark::BenchmarkReporter::Run;

// Writes a line for each goal that one of the runs (the medians) measures.
void reportGoals(const std::vector<Run>& medians, std::ostream& out);

} // namespace vantrel::bench
