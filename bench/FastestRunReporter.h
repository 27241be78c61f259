#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Prints the runs as the console reporter does and keeps each benchmark's fastest time per
// iteration, in milliseconds, over its repetitions. CPU time, since other work on the machine
// stretches the wall clock; the fastest repetition is the one least disturbed.
class FastestRunReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> milliseconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            const double ms = run.GetAdjustedCPUTime() / 1000.0;  // microseconds
            const auto [entry, added] = milliseconds.emplace(run.benchmark_name(), ms);
            if (!added && ms < entry->second) entry->second = ms;
        }
    }
};

}  // namespace bench
