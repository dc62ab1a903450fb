#include "bench/goals.h"

#include <cstdio>
#include <functional>
#include <string>

namespace vantrel::bench {

namespace {

double counter(const Run& run, const char* name) {
    const auto it = run.counters.find(name);
    return it == run.counters.end() ? 0 : it->second.value;
}

double seconds(const Run& run) {
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

// A goal: the benchmarks it applies to (the name, or a prefix ending in "/"),
// the value measured, its limit, and how both are written.
struct Goal {
    std::string benchmark;
    std::function<double(const Run&)> value;
    std::function<double(const Run&)> limit;
    const char* format; // printf format of value and limit
};

std::vector<Goal> goals() {
    const auto ratio = [](const Run& r) { return counter(r, "ratio"); };
    const auto ms = [](const Run& r) { return seconds(r) * 1e3; };
    const auto fixed = [](double limit) { return [limit](const Run&) { return limit; }; };
    return {
        {"rowstream/read/", ratio, fixed(4), "%.2fx its baseline, goal <= %.0fx"},
        {"rowstream/memory/", [](const Run& r) { return counter(r, "heap_per_row"); },
         [](const Run& r) { return 2 * counter(r, "baseline") + 64; },
         "%.0f B per row, goal <= %.0f B (2x the text + 64 B)"},
        {"load/100000", ms, fixed(500), "%.1f ms, goal <= %.0f ms"},
        {"load/1000000", ms, fixed(5000), "%.1f ms, goal <= %.0f ms"},
        {"keystroke/100000", ms, fixed(16), "%.2f ms, goal <= %.0f ms"},
        {"startup", ratio, fixed(1.5), "%.2fx the bare window, goal <= %.1fx"},
        {"diagram/339x369", ms, fixed(2), "%.3f ms, goal <= %.0f ms"},
        {"diagram/3840x2160", ms, fixed(10), "%.2f ms, goal <= %.0f ms"},
    };
}

bool appliesTo(const Goal& goal, const std::string& name) {
    return goal.benchmark.back() == '/' ? name.rfind(goal.benchmark, 0) == 0
                                        : name == goal.benchmark;
}

} // namespace

void reportGoals(const std::vector<Run>& medians, std::ostream& out) {
    out << "\nGoals (medians):\n";
    for (const Goal& goal : goals()) {
        for (const Run& run : medians) {
            const std::string& name = run.run_name.function_name;
            if (!appliesTo(goal, name) || run.error_occurred)
                continue;
            const double value = goal.value(run);
            const double limit = goal.limit(run);
            char figures[128];
            std::snprintf(figures, sizeof figures, goal.format, value, limit);
            out << "  " << (value <= limit ? "met    " : "MISSED ") << name << ": " << figures
                << '\n';
        }
    }
}

} // namespace vantrel::bench
