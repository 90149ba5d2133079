// Every benchmark runs under the program's allocator settings, so that its figures are the program's.
#include <benchmark/benchmark.h>
#include <gtest/gtest.h>

#include "app/quorin/AllocatorSettings.h"

int main(int argc, char** argv) {
    UseProgramAllocatorSettings();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The UI driver of the in-process cases counts a box or a dialog nobody expected as a failure:
    // the run measured something else than it names, and fails.
    return testing::UnitTest::GetInstance()->Failed() ? 1 : 0;
}
