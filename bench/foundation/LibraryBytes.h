#pragma once
// The benchmarks' coordinate library.
#include <string>

// Lines first .. first + count - 1 of a library file as the device writes it: GBK names and codes,
// CR LF line ends.
std::string LibraryBytes(int first, int count);
