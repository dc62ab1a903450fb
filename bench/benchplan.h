// What a bench run measures: the sizes of each figure, how often it repeats,
// and the benchmarks with the summary lines that read them.
#pragma once

#include "bench/figures.h"

#include <QSize>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace vantrel::bench {

struct BenchPlan {
    std::vector<qsizetype> rowStreamRows;
    std::vector<qsizetype> loadRows; // each also a row-stream size: its baseline is measured there
    std::vector<qsizetype> keystrokeRows;
    std::vector<QSize> diagramSizes;
    int repetitions = 1;
    int launchesPerRepetition = 1;
    bool tiny = false;

    // The figures of the goals.
    static BenchPlan full();
    // One pass over every benchmark at sizes small enough for the test suite.
    static BenchPlan tinyRun();
};

struct BenchDef {
    BenchDef(QString name_, std::function<void(benchmark::State&)> body_, bool manualTime_ = false,
             int iterations_ = 0)
        : name(std::move(name_)), body(std::move(body_)), manualTime(manualTime_),
          iterations(iterations_) {}

    QString name;
    std::function<void(benchmark::State&)> body;
    bool manualTime; // the body reports each iteration's time itself
    int iterations;  // fixed count per repetition; 0: until the minimum time
};

struct Suite {
    std::vector<BenchDef> benchmarks;
    std::vector<Line> lines;

    void append(Suite other);
};

Suite rowStreamSuite(const BenchPlan& plan);
Suite loadSuite(const BenchPlan& plan);
Suite keystrokeSuite(const BenchPlan& plan);
Suite startupSuite(const BenchPlan& plan);
Suite diagramSuite(const BenchPlan& plan);

Suite allSuites(const BenchPlan& plan);

// Registers the suite's benchmarks with Google Benchmark as the plan asks.
void registerSuite(const Suite& suite, const BenchPlan& plan);

} // namespace vantrel::bench
