#pragma once
// The record file (*.rec) read a block at a time into an index of its lines, so that a season's
// records cost a few bytes each in memory; a record is read from its line when it is asked for.
// Lines: "name,x,y,h,code", GBK, CR LF; the first empty line ends the file.
#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

#include "foundation/LineStarts.h"
#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

struct RecordFileIndex {
    LineStarts offsets;  // where each record's line starts
    size_t skipped = 0;  // lines that hold no record, left out
};

// The record of a line (without its line end); false when it holds none: fewer than four fields,
// or x, y or h not a number in full.
bool ParseRecordLine(std::string_view line, PointRecord& point);

// Indexes the record lines within the file's first `byteLimit` bytes; once `stop` is set the rest
// is passed over. False when the file cannot be read (the index is then empty).
bool IndexRecordFile(const CString& path, RecordFileIndex& index, uint64_t byteLimit = UINT64_MAX,
                     const std::atomic<bool>* stop = nullptr);

// The record whose line starts at `offset`; false when it cannot be read or holds none.
bool ReadRecordAt(const CString& path, uint64_t offset, PointRecord& point);
