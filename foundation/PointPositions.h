#pragma once
// The map's view of a point file: each point's grid position and where its line starts, read from
// the lines' bytes without converting their text, so that a season's job is read in a fraction of a
// second and costs 24 bytes a point. The rest of a point is read from its line when it is asked for.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/PointLines.h"
#include "platform/files/CFile.h"

struct PointPosition {
    double n = 0.0;       // the record's x
    double e = 0.0;       // the record's y
    uint64_t offset = 0;  // where the point's line starts in the file
};

// The positions of the points LoadPointFile keeps for `window`, in file order, with the same lines
// left out and counted. False when the file cannot be read (the list is then empty).
bool ReadPointPositions(const CString& path, std::vector<PointPosition>& positions,
                        const PointFileWindow& window);

// Bytes of a point file read past the line asked for, kept by a caller that asks for lines in file
// order, so that lines close together cost one read.
struct LineBlock {
    uint64_t at = 0;
    std::string bytes;
};

// Reads points from their lines of one point file, kept open between reads.
class PointLineReader {
public:
    explicit PointLineReader(const CString& path);
    // The point whose line starts at `offset`, as a load reads it; false when it cannot be read or
    // holds none.
    bool Read(uint64_t offset, PointRecord& point);
    // The same with only the line's first fields (name, north, east, height) read and converted:
    // what a map's label needs, from a read of its first hundred bytes or so, or from `ahead` where
    // it holds the line, else from a block read into it from `offset` on.
    bool ReadHead(uint64_t offset, PointRecord& point, LineBlock* ahead = nullptr);

private:
    // The line from `offset` up to its end, or to the comma after its field `fields` - 1 when
    // `fields` is given; empty when it cannot be read.
    std::string_view LineFrom(uint64_t offset, size_t firstRead, int fields = 0);
    std::string_view HeadFrom(uint64_t offset, LineBlock& ahead);

    CFile file_;
    std::string bytes_;
};
