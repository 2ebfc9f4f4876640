// tavik_bench: the cost of the signal engine and of the editor, each case
// repeated so that the machine's noise shows, then a summary against the
// targets (SummaryReporter).

#include "BenchCases.h"
#include "SummaryReporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

int main (int argc, char** argv)
{
    // Defaults that the command line may override: several repetitions of
    // every case, interleaved at random.
    std::vector<char*> arguments { argv[0] };
    std::string defaults[] = { "--benchmark_repetitions=7",
                               "--benchmark_enable_random_interleaving=true",
                               "--benchmark_min_time=0.2" };
    for (auto& d : defaults)
        arguments.push_back (d.data());
    for (int i = 1; i < argc; ++i)
        arguments.push_back (argv[i]);

    int count = (int) arguments.size();
    benchmark::Initialize (&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments (count, arguments.data()))
        return 1;

    registerEngineCases();
    registerEditorCases();

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
