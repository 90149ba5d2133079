#pragma once
// The job's point file as the coordinate view lists it: its whole lines, the newest (the file's
// last) first. Opening reads the file a block at a time and keeps only where each line lies
// (FileLineIndex); a row's line is read from the file when it is asked for, so a file of any length
// opens in one pass and costs its index, not its size.
//
// A change rewrites the whole file atomically, every line reprinted from its record. Points go on
// being stored while the view is open, so the file is read again first: when it still begins with
// the bytes that were indexed (same length and fingerprint), the lines stored since are kept (they
// join at the top); otherwise the change is refused and nothing is written. An empty line is
// skipped and a last piece without a line feed is an append cut short: neither is a point, and a
// rewrite leaves them out.
#include <string_view>
#include <vector>

#include "foundation/SurveyPointRec.h"
#include "platform/files/CFile.h"
#include "platform/text/CString.h"
#include "survey/FileLineIndex.h"

class PointFileRows {
public:
    enum class Read { kMissing, kRead, kUnreadable };
    Read Open(const CString& path);

    int Count() const { return static_cast<int>(lines_.size()); }
    // Row 0 is the newest point. Blanks around the fields are trimmed; a short line's missing
    // columns read as empty texts and 0.
    SurveyPointRec Record(int row) const;

    enum class Change { kDone, kChangedSinceRead, kWriteFailed, kUnstorableText };
    Change Delete(int row);
    Change Replace(int row, const SurveyPointRec& point);
    // The lines others stored between the reading and the last change.
    int JoinedByLastChange() const { return joined_; }

private:
    static SurveyPointRec ReadLine(std::string_view line);
    Change Rewrite(int row, const SurveyPointRec* replacement);
    void Adopt(const FileLineIndex& index);

    CString path_;
    CFile file_;  // the file indexed: a row reads its line from here
    std::vector<FileLineIndex::Span> lines_;
    uint64_t indexedLength_ = 0;
    uint64_t fingerprint_ = 0;
    int joined_ = 0;
};
