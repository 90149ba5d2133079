// The receiver tests' frame double, linked into the screen benchmarks too.
#include "tests/receiver/FakeFrame.cpp"
