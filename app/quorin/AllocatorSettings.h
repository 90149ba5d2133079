#pragma once
// The C library allocator's settings the program runs under. main() sets them first thing, and
// the benchmarks run under them too, so that what they measure is what the program does.
void UseProgramAllocatorSettings();
