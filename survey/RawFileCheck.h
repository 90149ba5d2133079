#pragma once
// The job's raw record file (*.blh) as its readers take it: header lines ("Rem ...") and epoch
// records. Stores only ever append to it and nothing reads it whole as it grows, so it is checked
// when it becomes current: a line that is neither is counted, to be told before a store appends
// after it.
#include <atomic>

#include "foundation/DataFileRead.h"
#include "platform/text/CString.h"

// Reads the file a block at a time and counts its lines that are neither a header nor a record;
// once `stop` is set the rest is passed over. A missing file is kMissing.
DataFileRead CheckRawFile(const CString& path, const std::atomic<bool>* stop = nullptr);
