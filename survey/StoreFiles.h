#pragma once
// The job files one store writes, in this order: the raw record file (its header first when it is
// new), the point file, the record file and the coordinate library. A store is on disk once its
// record line is synced; a raw, point or record write that fails takes this store's lines back out
// of those files. The library line is appended last; its failure leaves the point stored. The store
// is put in the job's journal first (see StoreJournal.h), so that the next start finishes a store
// that a kill cut short.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "foundation/CGpsState.h"
#include "foundation/CoordSysParams.h"
#include "foundation/DataFileAppend.h"
#include "foundation/StoredPointLines.h"

struct StoreFilePaths {
    CString raw;      // data\<point file>.blh
    CString point;    // data\<point file>.xyh
    CString library;  // <job>.lib
    CString record;   // data\<point file>.rec, the map's points; empty when the store keeps none
    CString journal;  // <job>.qzj; empty: no journal
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

enum class StoreWrite { kStored, kLibraryFailed, kDataFailed, kBadText };

class StoreFileWriter {
public:
    // Cuts torn last lines of the files; false when the raw, point or record file cannot be read
    // or cut (a library that cannot is left out of this store).
    bool Prepare(const StoreFilePaths& paths);
    StoreWrite Write(const StoreLines& lines);

private:
    // The journal of what is about to be appended; false when it cannot be written.
    bool WriteJournal(const StoreLines& lines, const std::string& raw);
    void Undo();

    StoreFilePaths paths_;
    DataFileAppend raw_, point_, record_, library_;
    bool libraryReady_ = false;
};

// Stores a point whose columns already hold its final fix: its lines are built (kBadText when a
// text has a comma or a line end), `saveNames` puts its name on disk before them, so that a crash
// may skip a name but never repeat one (kDataFailed when it cannot), then the lines are written.
StoreWrite WriteStoredPoint(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs,
                            const StoreFilePaths& paths, const std::function<bool()>& saveNames);

// What the user is told of a store that did not go through whole; empty for kStored.
CString StoreWriteText(StoreWrite written);
