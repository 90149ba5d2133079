// The receiver tests' host double, linked into the screen benchmarks too.
#include "tests/receiver/ReceiverHostDouble.cpp"
