#include "bench/benchplan.h"

namespace vantrel::bench {

BenchPlan BenchPlan::full() {
    BenchPlan plan;
    plan.rowStreamRows = {1000, 100000, 1000000};
    plan.loadRows = {100000, 1000000};
    plan.keystrokeRows = {10, 10000, 100000};
    plan.diagramSizes = {QSize(339, 369), QSize(3840, 2160)};
    plan.repetitions = 5;
    plan.launchesPerRepetition = 4;
    return plan;
}

BenchPlan BenchPlan::tinyRun() {
    BenchPlan plan;
    plan.rowStreamRows = {10};
    plan.loadRows = {10};
    plan.keystrokeRows = {10};
    plan.diagramSizes = {QSize(339, 369), QSize(640, 360)};
    plan.tiny = true;
    return plan;
}

void Suite::append(Suite other) {
    for (BenchDef& def : other.benchmarks)
        benchmarks.push_back(std::move(def));
    for (Line& line : other.lines)
        lines.push_back(std::move(line));
}

Suite allSuites(const BenchPlan& plan) {
    Suite all;
    all.append(rowStreamSuite(plan));
    all.append(loadSuite(plan));
    all.append(keystrokeSuite(plan));
    all.append(startupSuite(plan));
    all.append(diagramSuite(plan));
    return all;
}

void registerSuite(const Suite& suite, const BenchPlan& plan) {
    for (const BenchDef& def : suite.benchmarks) {
        auto* b = benchmark::RegisterBenchmark(def.name.toStdString().c_str(), def.body);
        b->Unit(benchmark::kMillisecond);
        if (def.manualTime)
            b->UseManualTime();
        if (plan.tiny) {
            b->Iterations(1);
            continue;
        }
        if (def.iterations > 0)
            b->Iterations(def.iterations);
        b->Repetitions(plan.repetitions)->ReportAggregatesOnly(true);
    }
}

} // namespace vantrel::bench
