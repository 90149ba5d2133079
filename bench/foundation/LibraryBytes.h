#pragma once
// The benchmarks' coordinate library.
#include <string>

// A library file of that many points as the device writes it: GBK names and codes, CR LF line ends.
std::string LibraryBytes(int points);
