#include "SummaryReporter.h"

#include <algorithm>
#include <cstdio>

namespace
{
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

    // The largest share of the timer interval that an update plus a full
    // paint may take at a zoom.
    double editorTarget (int zoomPercentage)
    {
        return zoomPercentage > 100 ? 0.5 : 0.2;
    }
}

void SummaryReporter::ReportRuns (const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns (runs);

    for (const auto& run : runs)
    {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;

        const auto& name = run.run_name.function_name;
        const auto frames = run.counters.find (framesPerBlockCounter);

        if (frames != run.counters.end())
            addEngineRun (run, frames->second.value);
        else if (name.rfind (editorPrefix, 0) == 0)
            addEditorRun (run, std::stoi (name.substr (std::string (editorPrefix).size())));
    }
}

void SummaryReporter::addEngineRun (const Run& run, double framesPerBlock)
{
    const auto& name = run.run_name.function_name;
    const auto split = name.rfind ('/');
    auto& timing = engineCases[name.substr (0, split)];
    auto& samples = name.substr (split + 1) == referenceName ? timing.reference : timing.fast;
    samples.push_back (run.cpu_accumulated_time * 1.0e9 / ((double) run.iterations * framesPerBlock));
}

void SummaryReporter::addEditorRun (const Run& run, int zoomPercentage)
{
    auto& timing = editorCases[zoomPercentage];
    timing.total.push_back (run.real_accumulated_time * 1.0e3 / (double) run.iterations);
    timing.update.push_back (run.counters.at (updateCounter).value);
    timing.paint.push_back (run.counters.at (paintCounter).value);
    timing.firstPaint.push_back (run.counters.at (firstPaintCounter).value);
}

void SummaryReporter::printSummary() const
{
    printEngineSummary();
    printEditorSummary();
}

void SummaryReporter::printEngineSummary() const
{
    std::printf ("\nSignal engine, 48 kHz stereo: CPU ns per sample frame, fastest / median / slowest repetition\n");
    std::printf ("%-15s %-26s %-26s %-24s %s\n", "case", "reference", "fast", "ratio: median (range)", "target");

    for (const auto& [name, timing] : engineCases)
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

void SummaryReporter::printEditorSummary() const
{
    if (editorCases.empty())
        return;

    std::printf ("\nEditor: CPU time of one periodic update (two new display frames) plus a full paint, share of the\n"
                 "%.0f ms timer interval, fastest / median / slowest repetition\n", timerIntervalMs);
    std::printf ("%-6s %-27s %-34s %s\n", "zoom", "update + paint", "median ms: update / paint / first", "target");

    for (const auto& [zoom, timing] : editorCases)
    {
        const Spread total (timing.total), update (timing.update), paint (timing.paint), firstPaint (timing.firstPaint);
        const double share = total.median / timerIntervalMs;
        const double target = editorTarget (zoom);

        std::printf ("%3d %%  %5.1f %% / %5.1f %% / %5.1f %%   %6.3f / %6.3f / %7.3f          < %.0f %% %s\n",
                     zoom,
                     100.0 * total.fastest / timerIntervalMs, 100.0 * share, 100.0 * total.slowest / timerIntervalMs,
                     update.median, paint.median, firstPaint.median,
                     100.0 * target, share < target ? "met" : "NOT MET");
    }
}
