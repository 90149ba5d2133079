#pragma once
// The screen as the X server shows it, read back as a screenshot tool reads it (XGetImage on the
// program's window), for the benchmarks that time what the user sees rather than what the program
// has drawn for itself.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/shell/ProgramRun.h"

// Waits until the server shows the program's first painted screen (its first screenshot): the time
// of the first look at the server that showed it. Strips of the screen are compared, the look repeated
// every millisecond; false when it was not shown within `limit`.
bool WaitForServerShowsFirstPaint(Display* display, const Program& p,
                                  std::chrono::steady_clock::time_point& shown,
                                  std::chrono::seconds limit = std::chrono::seconds(20));
