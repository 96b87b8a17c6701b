// What the comparison with the peer and the floor reads from a repeated benchmark: its
// fastest and its median repetition.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace karvelo {

// Repetitions run in one process, reported as aggregates with "min" among them.
inline benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* bench,
                                                int repetitions) {
    return bench->Unit(benchmark::kMillisecond)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& values) {
            return *std::min_element(values.begin(), values.end());
        });
}

}  // namespace karvelo
