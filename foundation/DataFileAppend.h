#pragma once
// Appends whole lines to one of the job's data files so that a store either lands whole or not at
// all. A power loss during an earlier append can leave a last line without its line feed: that
// torn piece is cut back first, so no record is ever glued to it. Until the store is complete the
// appended lines can be taken back out, leaving the file as it was.
#include <cstdint>
#include <string_view>

#include "platform/text/CString.h"

class DataFileAppend {
public:
    // Cuts a torn last piece and remembers where the file ends; false when the file cannot be read
    // or cut back.
    bool Prepare(const CString& path);
    // True when the file holds no whole line yet (missing or empty): it still needs its header.
    bool IsEmpty() const { return length_ == 0; }
    // The length Prepare left the file at.
    uint64_t Length() const { return length_; }
    // Appends, all or nothing, without a sync: the lines survive a kill of the program at once and
    // a power loss once the file is synced (the store's journal holds them until then).
    bool Append(std::string_view bytes);
    // Takes back everything appended since Prepare; a file that Prepare found missing is removed.
    bool Undo();

private:
    CString path_;
    uint64_t length_ = 0;
    bool existed_ = false;
};
