#pragma once
// The names a job's point file holds, kept up with the file as it grows, whoever appended to it:
// each Follow reads only what was appended since the last (and the file's last line again while it
// has no line end), and the whole file when it is another file, got shorter, or was rewritten
// (Forget).
#include <cstdint>

#include "foundation/HeldPointNames.h"
#include "platform/text/CString.h"

struct LastNames;

class FollowedPointNames {
public:
    // Takes in what the file at `path` holds beyond what was read; a file that cannot be read holds
    // no name.
    void Follow(const CString& path);
    // The file was rewritten in place of itself: the next Follow reads it whole.
    void Forget();
    // The names a scan of the whole file at `path` found (ScanLastNamesInFile).
    void Take(const CString& path, LastNames& scanned);
    const HeldPointNames& Held() const { return held_; }

private:
    CString path_;
    HeldPointNames held_;
    uint64_t read_ = 0;  // where the bytes after the last LF read begin
    bool known_ = false;
};
