#include "BenchRatio.h"

#include <orvkit/core/OrvkitFormatSettings.h>

#include <cstdio>
#include <map>

namespace orvbench {

namespace {

// Keeps the per-iteration time of each run beside the normal console output.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int RunWithRatios(int argc, char** argv, const std::vector<Comparison>& comparisons)
{
    orv::FormatSettings = orv::EnglishFormatSettings();
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const Comparison& c : comparisons) {
        const auto ours = reporter.times.find(c.ours);
        const auto anchor = reporter.times.find(c.anchor);
        if (ours == reporter.times.end() || anchor == reporter.times.end() || anchor->second <= 0)
            continue; // filtered out of this run
        const double ratio = ours->second / anchor->second;
        const bool met = ratio <= c.goal;
        std::printf("ratio %s / %s = %.3f (goal <= %.2f) %s\n", c.ours.c_str(), c.anchor.c_str(), ratio,
                    c.goal, met ? "met" : "MISSED");
    }
    std::fflush(stdout);
    return 0;
}

} // namespace orvbench
