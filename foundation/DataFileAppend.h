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
    // The same, then the file synced (and its folder, for a file Prepare found missing): the lines
    // survive a power loss once it returns. On any failure the file is taken back (Undo).
    bool AppendSynced(std::string_view lines);
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

// An append outside a store, which has no journal to mend its file: the file's end is prepared as a
// store prepares it, then the lines are appended synced, all or nothing.
struct LinesAppended {
    bool written = false;   // the lines are in the file
    bool cutAside = false;  // bytes that were no line went to "<name>.bad" first: to be told
};
LinesAppended AppendLinesDurably(const CString& path, std::string_view lines,
                                 DataFileAppend::LineCheck isLine);

// What the user is told of a file whose end was cut aside: its name and where the bytes went.
CString CutAsideNotice(const CString& path);
// What the user is told of an append: the cut bytes, then `failure` when the lines were not written
// (none when `failure` is empty); empty when there is nothing to tell.
CString AppendNotice(const CString& path, const LinesAppended& appended, const CString& failure);
