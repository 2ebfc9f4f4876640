#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints the usual console table, then a summary of each part, every figure as
// fastest / median / slowest repetition:
//  - the signal engine: for every case (parameters static or automated, block
//    size) the CPU time per sample frame of the reference and of the
//    plug-in's engine, and the ratio reference / fast against its target;
//  - the editor: for every zoom, the time of one periodic update plus a full
//    paint as a share of the 16 ms timer interval, against its target, the
//    median update and paint times, and the median time of the first paint
//    after the editor opened.
//
// Engine runs are named "<case>/<block size>/<engine>" and report their block
// size in the framesPerBlockCounter counter. Editor runs are named
// "editor/<zoom %>", time each update plus paint manually, and report the
// mean milliseconds of the two in updateCounter and paintCounter, and those
// of the untimed first paint in firstPaintCounter.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    static constexpr const char* framesPerBlockCounter = "frames_per_block";
    static constexpr const char* referenceName = "reference";
    static constexpr const char* fastName = "fast";

    static constexpr const char* editorPrefix = "editor/";
    static constexpr const char* updateCounter = "update_ms";
    static constexpr const char* paintCounter = "paint_ms";
    static constexpr const char* firstPaintCounter = "first_paint_ms";
    static constexpr double timerIntervalMs = 16.0;

    void ReportRuns (const std::vector<Run>& runs) override;
    void printSummary() const;

private:
    void addEngineRun (const Run&, double framesPerBlock);
    void addEditorRun (const Run&, int zoomPercentage);
    void printEngineSummary() const;
    void printEditorSummary() const;

    struct EngineTiming
    {
        std::vector<double> reference, fast;   // ns per sample frame, one per repetition
    };

    struct EditorTiming
    {
        std::vector<double> total, update, paint, firstPaint;   // ms, one per repetition
    };

    std::map<std::string, EngineTiming> engineCases;
    std::map<int, EditorTiming> editorCases;
};
