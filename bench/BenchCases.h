#pragma once

// The benchmark's cases, registered with Google Benchmark before the run.

// The signal engine against the reference, in ns per sample frame.
void registerEngineCases();

// The editor's periodic update plus a full paint, at 100 % and 200 % zoom.
void registerEditorCases();
