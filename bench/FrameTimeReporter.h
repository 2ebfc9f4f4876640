#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Prints the usual console table, then a summary: for every case (parameters
// static or automated, block size) the CPU time per sample frame of the
// reference and of the plug-in's engine, fastest / median / slowest over the
// repetitions, and the ratio reference / fast against its target.
//
// Runs are named "<case>/<block size>/<engine>" and report their block size
// in the framesPerBlockCounter counter.
class FrameTimeReporter : public benchmark::ConsoleReporter
{
public:
    static constexpr const char* framesPerBlockCounter = "frames_per_block";
    static constexpr const char* referenceName = "reference";
    static constexpr const char* fastName = "fast";

    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);

        for (const auto& run : runs)
        {
            const auto counter = run.counters.find (framesPerBlockCounter);
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0
                || counter == run.counters.end())
                continue;

            const auto name = run.run_name.function_name;
            const auto split = name.rfind ('/');
            const double frames = (double) run.iterations * counter->second.value;
            auto& timing = cases[name.substr (0, split)];
            auto& samples = name.substr (split + 1) == referenceName ? timing.reference : timing.fast;
            samples.push_back (run.cpu_accumulated_time * 1.0e9 / frames);
        }
    }

    void printSummary() const
    {
        std::printf ("\nSignal engine, 48 kHz stereo: CPU ns per sample frame, fastest / median / slowest repetition\n");
        std::printf ("%-15s %-26s %-26s %-24s %s\n", "case", "reference", "fast", "ratio: median (range)", "target");

        for (const auto& [name, timing] : cases)
        {
            if (timing.reference.empty() || timing.fast.empty())
                continue;

            const Spread reference (timing.reference), fast (timing.fast);
            const double target = name.rfind ("static", 0) == 0 ? 5.0 : 2.0;
            const double ratio = reference.median / fast.median;

            std::printf ("%-15s %7.1f / %7.1f / %7.1f  %6.1f / %6.1f / %6.1f   %5.1fx (%4.1fx to %4.1fx)   >= %.0fx %s\n",
                         name.c_str(),
                         reference.fastest, reference.median, reference.slowest,
                         fast.fastest, fast.median, fast.slowest,
                         ratio, reference.fastest / fast.slowest, reference.slowest / fast.fastest,
                         target, ratio >= target ? "met" : "NOT MET");
        }
    }

private:
    struct Timing
    {
        std::vector<double> reference, fast;
    };

    struct Spread
    {
        explicit Spread (std::vector<double> values)
        {
            std::sort (values.begin(), values.end());
            fastest = values.front();
            slowest = values.back();
            const size_t middle = values.size() / 2;
            median = values.size() % 2 != 0 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
        }

        double fastest, median, slowest;
    };

    std::map<std::string, Timing> cases;
};
