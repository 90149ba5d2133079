// The receiver tests' frame double, linked into the screen tests too.
#include "tests/receiver/FakeFrame.cpp"
