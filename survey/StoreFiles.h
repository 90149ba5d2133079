#pragma once
// The job files one store writes, in this order: the raw record file (its header first when it is
// new), the point file, the record file and the coordinate library. The store goes into the job's
// journal first (see StoreJournal.h), whose sync is the store's first: once it is there the point
// is safe, and the files take their lines unsynced. Every few stores the files are synced and the
// journal emptied. A raw, point or record line that cannot be written takes the store back out of
// the files and the journal: the point is not stored. A library line that cannot be written leaves
// the store in the journal until the library has it: the next store, a sync of the stores or the
// next start gives it the line once there is room. No store is made while an earlier one lacks
// lines.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "foundation/DataFileAppend.h"
#include "foundation/StoreJournal.h"
#include "foundation/StoredPointLines.h"

struct StoreFilePaths {
    CString raw;      // data\<point file>.blh
    CString point;    // data\<point file>.xyh
    CString library;  // <job>.lib
    CString record;   // data\<point file>.rec, the map's points; empty when the store keeps none
    CString journal;  // <job>.qzj
    CString version;  // printed in a new raw file's first line
    BaseStationRec base;
    CString program = L"Quorin2.0";  // names the program in a new raw file's first line
};

// One raw line: the epoch's fix and how it was stored.
struct StoreEpoch {
    CGpsState fix;
    RawStoreTail tail;
};

struct StoreLines {
    CString name;
    std::vector<CString> raw;
    CString point;
    CString record;
    CString library;
};

// The lines of a point whose columns already hold its final fix (TakeFix); nullopt when a text of
// the point has a comma or a line end.
std::optional<StoreLines> BuildStoreLines(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs);

enum class StoreWrite {
    kStored,
    kLibraryFailed,   // stored; the library lacks the line
    kDataFailed,      // not stored
    kBadText,         // not stored: a text has a comma or a line end
    kEarlierMissing,  // not stored: an earlier store still lacks lines in a file
};

struct StoreWritten {
    StoreWrite status = StoreWrite::kStored;
    MissingLines missing;  // of kEarlierMissing
    // Files whose end held bytes that were no line: cut, and kept now as "<name>.bad".
    std::vector<CString> cutAside;
};

class StoreFileWriter {
public:
    // `saveNames` keeps the point's name as the job's last before any line is written (kDataFailed
    // when it cannot). It need not reach the disk: a start takes the last name from the journal and
    // the point file, so that no name is stored twice.
    StoreWritten Write(const StoreFilePaths& paths, const StoreLines& lines,
                       const std::function<bool()>& saveNames);

private:
    // Mends the files' ends (DataFileAppend); false when the raw, point or record file cannot be
    // (a library that cannot is left out of this store).
    bool Prepare(const StoreFilePaths& paths);
    StoreWritten Written(StoreWrite status) const;
    StoreRecord Record(const StoreLines& lines, const std::string& raw) const;
    // Takes the store back out of the files, then out of the journal (back to `journalLength`).
    void Undo(uint64_t journalLength);

    StoreFilePaths paths_;
    DataFileAppend raw_, point_, record_, library_;
    bool libraryReady_ = false;
    std::vector<CString> cutAside_;
};

// Stores a point whose columns already hold its final fix: its lines are built (kBadText when a
// text has a comma or a line end), then written by StoreFileWriter.
StoreWritten WriteStoredPoint(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs,
                              const StoreFilePaths& paths, const std::function<bool()>& saveNames);

// A store that stored its point (the library may lack it).
inline bool PointStored(const StoreWritten& written) {
    return written.status == StoreWrite::kStored || written.status == StoreWrite::kLibraryFailed;
}
// Whether the store has something to tell: it did not go through whole, or a file's end was cut aside.
bool StoreToTell(const StoreWritten& written);
// Whether automatic storing stops at the store: it did not go through whole. Bytes cut aside from a
// store that went through are told alone, and storing goes on.
bool StopsAutomaticStoring(const StoreWritten& written);
// What the user is told of such a store (StoreToTell), once; of an automatic store that stops
// automatic storing, the text says so.
CString StoreWriteText(const StoreWritten& written, bool automatic);
