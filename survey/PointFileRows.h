#pragma once
// The job's point file as the coordinate view lists it: its point lines, the newest (the file's
// last) first. Reading goes through the file a block at a time and keeps only where each line
// begins (FileLineIndex); a row's line is read from the file when it is asked for, so a file of any
// length costs 8 bytes a point, not its size. The rows are kept between openings: the file is
// indexed once, and opening it again reads nothing when its size and time are those indexed, and
// only what stores appended when it grew and still holds the last block indexed where it was. The
// file can be indexed ahead on a worker thread, so that even the first opening finds it indexed.
//
// A change rewrites the whole file atomically, every point line reprinted from its record. Points
// go on being stored while the view is open, so the file is read again first: when it still begins
// with the lines that were indexed (each point line where it was, and the same last block of bytes
// before the end of the last of them), the lines stored since are kept (they join at the top);
// otherwise the change is refused and nothing is written. A line that holds no point is no row:
// it is counted (Skipped) and a rewrite keeps it as it was. An empty line is skipped; a last line
// without a line end is a row when it holds a point, and a rewrite gives it the line end it lacked.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/SurveyPointRec.h"
#include "platform/files/CFile.h"
#include "platform/text/CString.h"
#include "platform/threads/WorkerThread.h"
#include "survey/FileLineIndex.h"

class PointFileRows {
public:
    PointFileRows() = default;
    ~PointFileRows();
    PointFileRows(const PointFileRows&) = delete;
    PointFileRows& operator=(const PointFileRows&) = delete;

    enum class Read { kMissing, kRead, kUnreadable };
    // Indexes the file at `path` on a worker thread that gives way to the program's other threads;
    // the next Open waits for it and, for the same path, starts from what it read.
    void IndexAhead(const CString& path);
    // The rows of the file at `path`: those kept when it is the file indexed last (see above), else
    // the file read anew. `journal` is the job's store journal: a change settles its stores first
    // (StoreJournal.h), since where their lines begin in the file would not hold after the rewrite.
    Read Open(const CString& path, const CString& journal = CString());

    int Count() const { return static_cast<int>(read_.index.Points().size()); }
    // The lines read that hold no point.
    size_t Skipped() const { return read_.index.LeftOut().size(); }
    // Row 0 is the newest point. Blanks around the fields are trimmed; a short line's missing
    // columns read as empty texts and 0.
    SurveyPointRec Record(int row) const;

    enum class Change { kDone, kChangedSinceRead, kWriteFailed, kUnstorableText };
    Change Delete(int row);
    Change Replace(int row, const SurveyPointRec& point);
    // Takes in the lines stored since the reading (the file grew, or was made, and still holds the
    // last block read where it was); the rows that joined at the top. A file changed otherwise is
    // left to the next change, which refuses it.
    int TakeStored();
    // The rows that joined by the last change: points others stored since the reading, and a last
    // line that got its line end.
    int JoinedByLastChange() const { return joined_; }

private:
    struct Indexed {
        FileLineIndex index;
        std::string lastBlock;   // the indexed bytes' last block
        uint64_t writtenAt = 0;  // the file's time when it was indexed
    };
    struct Ahead;

    static SurveyPointRec ReadLine(std::string_view line);
    // Feeds `into` the bytes of `file` from `from` to its end, then keeps the last block before the
    // end of its last line and the file's time; false when `stop` was set first.
    static bool IndexFrom(const CFile& file, uint64_t from, Indexed& into,
                          const std::atomic<bool>* stop = nullptr);
    // Waits for the index read ahead; true when it was read to its end from the file at `path`, and
    // is then the one kept.
    bool TakeAhead(const CString& path);
    Change Rewrite(int row, const SurveyPointRec* replacement);
    // Whether the open file still holds the last block indexed where it was.
    bool HoldsLastBlock() const;
    bool StillBeginsWithIndexed(std::string_view current, const FileLineIndex& now) const;

    CString path_;
    CString journal_;
    CFile file_;  // the file indexed: a row reads its line from here
    Indexed read_;
    int joined_ = 0;
    std::shared_ptr<Ahead> ahead_;
    CWorkerThread aheadWorker_;
};
