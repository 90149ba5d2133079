#pragma once
// The job's point files (*.xyh) and record files (*.rec) as text: the one reader of their lines
// and fields, the loader of the map's point list, the record line and the last-name scan.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/HeldPointNames.h"
#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

// Lines of a text file of the job (the raw record file): cut at LF, a CR before it dropped, empty
// lines skipped. Text after the last LF is an append that was cut short and is left out.
std::vector<CString> CutPointFileLines(const CString& text);

// Whether a point-file line (its bytes, without the line end) holds a point: it holds no NUL byte
// (what a power loss leaves of unsynced bytes) and its north, east and height (fields 1-3, blanks
// trimmed) are each a finite number in full. Every reader of the file leaves out and counts a line
// that does not. A raw record line holds its latitude, longitude and height in the same fields.
bool HoldsPointPosition(std::string_view line);

// The one answer to which lines a point file holds, for each of its readers (the store, the start,
// the opening of a file, the coordinate view, the map and the exports): lines end at LF, a CR before
// it dropped, empty lines passed over; the bytes after the last LF are the last line when they hold
// a point (KeepsUnfinishedLine: the next store keeps them and gives them their line end), else they
// are no line. `line` hears each line with the offset where it starts, those that hold no point too.
using PointFileLineSink = std::function<void(std::string_view line, uint64_t offset)>;
// From `from` (where a line starts) up to `byteLimit` bytes into the file, a block at a time;
// `wholeLength` receives where the bytes after the last LF begin. False when the file cannot be read
// or is shorter than `from`.
bool ReadPointFileLines(const CString& path, uint64_t from, uint64_t byteLimit, const PointFileLineSink& line,
                        uint64_t* wholeLength = nullptr);
// The same for a file's bytes read whole.
void CutPointFileBytes(std::string_view bytes, const PointFileLineSink& line);
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

// The names the next store continues from: the last J, Z and plain names and the last point name,
// and every name the file's lines hold (field 0, blanks trimmed), none of which is to be offered
// again; `scannedLength` is where the scan of a file stopped (the bytes after its last LF).
struct LastNames {
    CString first;
    CString second;
    CString third;
    CString lastPoint;
    HeldPointNames taken;
    uint64_t scannedLength = 0;
};

// Adds the name (field 0, blanks trimmed) of a point-file line to `names`.
void HoldNameOf(std::string_view line, HeldPointNames& names);

// Recovers the last names from a point file's bytes; `format` is the job's record format (6 keeps
// its names in field 4).
LastNames ScanLastNames(std::string_view bytes, int format);
// The same from a point file read a block at a time; the defaults when it cannot be read. The last
// point is LastStoredPointName's.
LastNames ScanLastNamesInFile(const CString& path, int format);

// The name (trimmed) of the point file's last line that holds a point, read from the end a block at
// a time, so that a season's file costs a start no more than its last lines; a last line without
// its line feed counts when it holds a point (the next store keeps it). Empty when no line holds a
// point or the file cannot be read.
CString LastStoredPointName(const CString& path);
