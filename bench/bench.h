// What the benchmarks share: the sizes of a run, how each is registered, the
// same-run baseline beside each figure, and files of the program's default row.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <benchmark/benchmark.h>
#include <functional>
#include <initializer_list>
#include <vector>

namespace vantrel::bench {

// A tiny run (--tiny) makes one iteration of each benchmark at small sizes.
void setTinyRun(bool tiny);
bool tinyRun();

// The sizes of a figure: the given ones, or one small size in a tiny run.
std::vector<qsizetype> sizes(std::initializer_list<qsizetype> full);

// Registers a benchmark that reports each iteration's time itself: repeated
// five times for its median (of a fixed number of iterations when given), or
// run once in a tiny run.
void add(const QString& name, std::function<void(benchmark::State&)> body, int iterations = 0);

template <class Work> double secondsOf(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The counters beside a figure: its baseline per iteration, and its ratio to it.
void setBaseline(benchmark::State& state, double figureTotal, double baselineTotal);

// The row stream of count rows of the row the program starts with.
QByteArray defaultRowStream(qsizetype count);
// That stream as a file, written once per run.
QString defaultRowFile(qsizetype count);

void registerRowStream();
void registerLoad();
void registerKeystroke();
void registerStartup();
void registerDiagram();

} // namespace vantrel::bench
