// The receiver tests' host double, linked into the screen tests too.
#include "tests/receiver/ReceiverHostDouble.cpp"
