#pragma once
// The job's point files (*.xyh) and record files (*.rec) as text: the one reader of their lines
// and fields, the loader of the map's point list, the record line and the last-name scan.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

// Lines of a point file: cut at LF, a CR before it dropped, empty lines skipped. Text after the
// last LF is an append that was cut short and is left out.
std::vector<CString> CutPointFileLines(const CString& text);

// Whether a point-file line (its bytes, without the line end) holds a point: its north, east and
// height (fields 1-3, blanks trimmed) are each a finite number in full. Every reader of the file
// leaves out and counts a line that does not. A raw record line holds its latitude, longitude and
// height in the same fields.
bool HoldsPointPosition(std::string_view line);
// The same, giving the north and east the line holds (the numbers a load reads), and its height when
// asked for.
bool ReadPointPosition(std::string_view line, double& n, double& e, double* h = nullptr);

// Field `index` of a line cut at ","; empty when the line has fewer fields.
CString LineField(const CString& line, int index);

// The points of a point file in file order, so the newest is last (the map draws the last ones);
// name, code and numbers trimmed. Every point is shown (flag 0): the coordinate view deletes a point
// by taking its line out of the file, and column 34 holds the store's own value (3 along a stake
// line), never a deletion mark. False when the file cannot be read (the list untouched when it
// cannot be opened, empty when reading failed part way): the caller tells the user kNoPointData.
bool LoadPointFile(const CString& path, std::vector<PointRecord>& points);

// The part of a point file a load keeps: the lines within its first `byteLimit` bytes (what the
// file held when the caller measured it), of those only the last `keepLast` (all when negative).
// Once `stop` is set the rest of the file is passed over unconverted.
struct PointFileWindow {
    uint64_t byteLimit = UINT64_MAX;
    long keepLast = -1;
    const std::atomic<bool>* stop = nullptr;
    // Counts the lines left out: those that hold no point (HoldsPointPosition).
    size_t* skipped = nullptr;
};
bool LoadPointFile(const CString& path, std::vector<PointRecord>& points, const PointFileWindow& window);
// The lines of a point file that a load of `window` looks at, in file order, each without its CR
// and with the offset where it starts; empty lines are passed over. `counted` hears how many there
// are before the first is handed on, when given (the file is then read twice). False when the file
// cannot be read.
bool ReadWindowLines(const CString& path, const PointFileWindow& window,
                     const std::function<void(size_t count)>& counted,
                     const std::function<void(std::string_view line, uint64_t offset)>& line);
// A point line (without its line end) as a load reads it; false when its north, east or height is
// no number.
bool ParsePointLine(std::string_view line, PointRecord& point);
inline constexpr const wchar_t* kNoPointData = L"当前没有数据!";

// The record of one surveyed point: "name,x,y,h,code" with CR LF.
CString FormatRecordLine(const PointRecord& point);

// The names (field 0, blanks trimmed) that a point file's lines hold, kept as the file's bytes.
class TakenNames {
public:
    void Add(std::string_view gbkName) { names_.emplace(gbkName); }
    bool Holds(const CString& name) const;

private:
    std::unordered_set<std::string> names_;
};

// The names the next store continues from: the last J, Z and plain names and the last point name,
// and every name the file holds, none of which is to be offered again.
struct LastNames {
    CString first;
    CString second;
    CString third;
    CString lastPoint;
    TakenNames taken;
};

// Recovers the last names from a point file's text; `format` is the job's record format (6 keeps
// its names in field 4).
LastNames ScanLastNames(const CString& text, int format);
// The same from a point file read a block at a time; the defaults when it cannot be read.
LastNames ScanLastNamesInFile(const CString& path, int format);

// The name (trimmed) of the point file's last line that holds a point, read from the end a block at
// a time, so that a season's file costs a start no more than its last lines; a last line without
// its line feed counts when it holds a point (the next store keeps it). Empty when no line holds a
// point or the file cannot be read.
CString LastStoredPointName(const CString& path);
