#pragma once
// Where the lines of a file begin, in file order, at 4 bytes a line: each start is kept as its step
// from the start of its run, and a new run begins only where a step would not fit in 32 bits. A
// season's file thus costs its index half of what whole offsets would; a start before the last one
// pushed (never met in a file read in order) begins a run of its own.
#include <cstddef>
#include <cstdint>
#include <vector>

class LineStarts {
public:
    void push_back(uint64_t start);
    void pop_back();
    uint64_t operator[](size_t i) const;
    uint64_t back() const { return (*this)[size() - 1]; }
    size_t size() const { return steps_.size(); }
    bool empty() const { return steps_.empty(); }

    // Makes room at once for the lines of a file of `totalBytes`, judged by the lines found in its
    // first `bytesSeen` bytes: a season's file then never leaves a doubling's peak while it grows.
    void ReserveLikely(uint64_t bytesSeen, uint64_t totalBytes);
    size_t capacity() const { return steps_.capacity(); }
    // Gives back room well beyond what is held (a file with fewer lines than its first ones made likely).
    void FitRoom();

private:
    struct Run {
        size_t first;   // index of its first line
        uint64_t base;  // where that line starts
    };
    std::vector<uint32_t> steps_;
    std::vector<Run> runs_;
};
