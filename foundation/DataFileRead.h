#pragma once
// The job's data and library files as their readers take them: a line that cannot be read is left
// out and counted while the rest is kept, and the screen tells once which file and how many lines;
// a file larger than any job could hold is refused unread instead of being read whole.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/text/CString.h"

inline constexpr uint64_t kMaxDataFileBytes = uint64_t{64} << 20;

enum class DataFileStatus { kRead, kMissing, kUnreadable, kTooLarge };

// What one read made of a file.
struct DataFileRead {
    DataFileStatus status = DataFileStatus::kRead;
    size_t skipped = 0;  // lines left out

    bool Read() const { return status == DataFileStatus::kRead; }
    explicit operator bool() const { return Read(); }
};

// The file's bytes, refusing one larger than kMaxDataFileBytes unread.
DataFileStatus ReadDataFile(const CString& path, std::string& bytes);

// Hands `line` each line of the file a block at a time (CR before LF dropped, empty lines skipped),
// so that no more than one line stands beside what the reader keeps; refuses a file over
// kMaxDataFileBytes unread. Bytes after the last LF are no line: in a file rewritten whole
// (`rewrittenWhole`) they are a line cut short and counted as skipped.
DataFileRead ReadDataLines(const CString& path, bool rewrittenWhole,
                           const std::function<void(const CString&)>& line);

// What the user is told once of the read: the file refused as too large, or the lines left out;
// empty when there is nothing to tell.
CString DataFileNotice(const CString& path, const DataFileRead& read);

// A library read with lines left out is kept beside itself as "<name>.bad" before the user's first
// save over it, as the settings files are (see DamagedFileCopy.h): the copy, or empty when none can
// be kept.
CString KeepDamagedLibrary(const CString& path);
// What the user is told once the copy was kept.
CString DamagedLibraryNotice(const CString& path, const CString& copy);
