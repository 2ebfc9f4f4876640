#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

// Prints the usual console table, then every run's wall-clock cost in
// nanoseconds per sample frame (runs report their block size in the
// "frames_per_block" counter).
class FrameTimeReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);

        for (const auto& run : runs)
        {
            const auto counter = run.counters.find ("frames_per_block");
            if (run.error_occurred || run.iterations == 0 || counter == run.counters.end())
                continue;

            const double frames = (double) run.iterations * counter->second.value;
            results.push_back ({ run.benchmark_name(), run.real_accumulated_time * 1.0e9 / frames });
        }
    }

    void printSummary() const
    {
        std::printf ("\n%-40s %14s\n", "processBlock, 48 kHz stereo", "ns per frame");
        for (const auto& r : results)
            std::printf ("%-40s %14.1f\n", r.name.c_str(), r.nanosecondsPerFrame);
    }

private:
    struct Result
    {
        std::string name;
        double nanosecondsPerFrame;
    };

    std::vector<Result> results;
};
