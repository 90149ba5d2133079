// Every benchmark runs under the program's allocator settings, so that its figures are the program's.
#include <benchmark/benchmark.h>

#include "app/quorin/AllocatorSettings.h"

int main(int argc, char** argv) {
    UseProgramAllocatorSettings();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
