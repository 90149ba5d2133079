#pragma once
// Where the lines of a point file begin, built from its bytes fed in pieces of any size (a block
// read at a time, or the whole file at once). A line is what comes before an LF, less a CR before
// it; an empty line is no line; bytes after the last LF are an unfinished line, left out until
// the file is fed whole (TakeUnfinished). A line that holds no point (HoldsPointPosition) is indexed
// apart, as a line left out.
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/LineStarts.h"

class FileLineIndex {
public:
    void Feed(std::string_view piece);
    // Makes room at once for the points a file of `totalBytes` likely holds, judged by the lines fed
    // so far.
    void Expect(uint64_t totalBytes);

    // Where each point line starts, in file order.
    const LineStarts& Points() const { return points_; }
    // Where each line that holds no point starts.
    const LineStarts& LeftOut() const { return leftOut_; }
    // The bytes up to and including the last LF fed.
    uint64_t WholeLength() const { return lineStart_; }
    uint64_t FedLength() const { return fed_; }
    // The file was fed to its end: an unfinished last line that holds a point is the user's (a file
    // made on a PC often ends without its line end), kept by the next store (KeepsUnfinishedLine),
    // and is indexed as a point.
    void TakeUnfinished();
    bool TookUnfinished() const { return tookUnfinished_; }
    // Drops the bytes fed after the last LF (and their point), so that feeding goes on from
    // WholeLength(): an append gives the last line its line end, or cuts what is no line, first.
    void ForgetUnfinished();

private:
    void Take(std::string_view line);

    LineStarts points_;
    LineStarts leftOut_;
    uint64_t fed_ = 0;
    uint64_t lineStart_ = 0;
    std::string unfinished_;  // the bytes after the last LF fed
    bool tookUnfinished_ = false;
};

// The line of `bytes` that starts at `start`, without its line end.
std::string_view LineAt(std::string_view bytes, uint64_t start);
