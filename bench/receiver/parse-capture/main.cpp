// The program's handling of received lines as a whole process, to be timed as another decoder's
// process is on the same capture (bench/receiver/compare-gpsdecode.sh): standard input read a block
// at a time, cut into lines by the receiver link's cutter and every line parsed. Prints how many
// lines were read and how many the parser took.
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "bench/receiver/CaptureLine.h"
#include "shell/link/ReceiverLines.h"

int main() {
    CGpsParser parser({.boardType = kBoardOemD});
    CGpsState state;
    ReceiverLines lines;
    long read = 0, taken = 0;
    char block[4096];
    for (ssize_t n; (n = ::read(STDIN_FILENO, block, sizeof block)) > 0;)
        lines.Append(std::string_view(block, static_cast<size_t>(n)), [&](std::string_view line) {
            ++read;
            if (ParseCaptureLine(parser, line, state)) ++taken;
        });
    std::printf("%ld lines read, %ld taken\n", read, taken);
    return 0;
}
