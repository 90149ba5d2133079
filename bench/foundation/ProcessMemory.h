#pragma once
// The benchmarks' view of the process's memory, in bytes.

double ResidentBytes();
// The most the process has held resident since it started.
double PeakResidentBytes();
