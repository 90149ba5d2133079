#pragma once
// The job's point file as the coordinate view lists it: its whole lines, the newest (the file's
// last) first. The lines stay as the file's bytes and are read into a record only when a row is
// asked for, so a file of any length opens at once.
//
// A change rewrites the whole file atomically, every line reprinted from its record. Points go on
// being stored while the view is open, so the file is read again first: when it still begins with
// the lines that were read, the lines stored since are kept (they join at the top); otherwise the
// change is refused and nothing is written. An empty line is skipped and a last piece without a
// line feed is an append cut short: neither is a point, and a rewrite leaves them out.
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/SurveyPointRec.h"
#include "platform/text/CString.h"

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
    struct Span {
        uint32_t offset;
        uint32_t length;  // without the line end
    };
    static std::vector<Span> CutLines(const std::string& bytes, size_t from);
    static SurveyPointRec ReadLine(const std::string& bytes, Span span);
    Change Rewrite(int row, const SurveyPointRec* replacement);

    CString path_;
    std::string bytes_;  // the file's whole lines as read, up to its last line feed
    std::vector<Span> lines_;
    int joined_ = 0;
};
