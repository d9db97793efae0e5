#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace orvbench {

/// A benchmark of ours measured against an anchor in the same run; the goal is the
/// largest acceptable ratio ours / anchor.
struct Comparison {
    std::string ours;
    std::string anchor;
    double goal;
};

/// Runs every registered benchmark, then prints one line per comparison:
///   ratio BM_Ours / BM_Anchor = 0.41 (goal <= 0.50) met
int RunWithRatios(int argc, char** argv, const std::vector<Comparison>& comparisons);

} // namespace orvbench

#define ORVKIT_BENCH_MAIN(...)                                                 \
    int main(int argc, char** argv)                                            \
    {                                                                          \
        return orvbench::RunWithRatios(argc, argv, {__VA_ARGS__});             \
    }
