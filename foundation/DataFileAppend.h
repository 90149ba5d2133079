#pragma once
// Appends whole lines to one of the job's data files so that a store either lands whole or not at
// all. The store's journal mends what our own unfinished appends left before the file is prepared,
// so bytes still standing after the last line feed are someone else's: a whole line of the file's
// kind (a file edited on a PC often ends without its line end) is the user's and is kept, getting
// its line end with the next append; anything else is no line and is cut, once copied aside. Until
// the store is complete the appended lines can be taken back out, leaving the file as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/CString.h"

class DataFileAppend {
public:
    // Whether a line (its bytes, without the line end) is one of the file's.
    using LineCheck = bool (*)(std::string_view line);

    enum class Prepared {
        kReady,
        kCutAside,  // bytes that were no line were cut, and added to "<name>.bad" (KeepCutBytes)
        kFailed,    // the file cannot be read, or the bytes cut or kept aside: it stays as it was
    };
    // Looks at the file's end and remembers where it ends.
    Prepared Prepare(const CString& path, LineCheck isLine);
    // True when the file holds no line yet (missing or empty): it still needs its header.
    bool IsEmpty() const { return length_ == 0; }
    // The length Prepare left the file at.
    uint64_t Length() const { return length_; }
    // What appending `lines` writes: the line end a kept last line lacks, then the lines.
    std::string Appended(std::string_view lines) const;
    // Appends Appended(lines), all or nothing, without a sync: the lines survive a kill of the
    // program at once and a power loss once the file is synced (the store's journal holds them
    // until then).
    bool Append(std::string_view lines);
    // Takes back everything appended since Prepare; a file that Prepare found missing is removed.
    bool Undo();

private:
    CString path_;
    uint64_t length_ = 0;
    std::string lead_;  // the line end the last line lacks
    bool existed_ = false;
};

// Whether the bytes after a file's last line feed are a whole line of its kind (`isLine`), which the
// next append keeps and gives its line end; what else stands there is cut aside.
bool KeepsUnfinishedLine(std::string_view piece, DataFileAppend::LineCheck isLine);
