// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace vendrilo::bench {

// The console report, remembering each benchmark's wall and CPU time per iteration so that
// main() can state how much faster one way is than another, measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0; // seconds per iteration
        double cpu = 0;
    };
    std::map<std::string, Times> perIteration;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.iterations > 0 && run.run_type == Run::RT_Iteration) {
                const auto n = static_cast<double>(run.iterations);
                perIteration[run.benchmark_name()] = {run.real_accumulated_time / n,
                                                      run.cpu_accumulated_time / n};
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace vendrilo::bench
