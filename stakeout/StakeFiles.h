#pragma once
// The stake-out files: the point library (*.ptb), its coordinate export and import (*.xyh), the line
// library (*.lnb), the records of staked points (*.ptr, *.lnr). Libraries are rewritten whole by
// atomic replace; records are appended durably. Lines are converted whole, never cut by length.
#include <string>
#include <vector>

#include "foundation/DataFileAppend.h"
#include "foundation/DataFileRead.h"
#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

// The library's row texts, kept as typed or as read.
struct StakeRow {
    CString name;
    CString x;
    CString y;
    CString h;
    CString code;
};

enum class StakeRowLayout { kCoordFile, kLibrary };

// "0,name,x,y,h,code,\r\n" per row.
std::string PtbBytes(const std::vector<StakeRow>& rows);
// "name,x,y,h,code,\r\n" per row.
std::string XyhExportBytes(const std::vector<StakeRow>& rows);
// The rows of a file: a library's fields 1-5, a coordinate file's fields 0-4. A library is read as a
// file rewritten whole (a last row without its line end was cut short), a coordinate file as the
// job's append file (a torn last piece is dropped). A row whose north, east or height is no number
// is left out and counted.
DataFileRead ReadStakeRows(const CString& path, StakeRowLayout layout, std::vector<StakeRow>& rows);
// The points of the rows that have a name (trimmed), numbers read as the device does; `rowOfPoint`
// gets each point's row.
std::vector<PointRecord> NamedStakePoints(const std::vector<StakeRow>& rows, std::vector<int>& rowOfPoint);
// The stake points of a library for the screen: names trimmed, rows without a name left out (a
// nameless row is no target); `read` gets what the read made of the file.
std::vector<PointRecord> ReadStakePoints(const CString& path, DataFileRead* read = nullptr);

// The records file beside a library: its last three characters made `extension` ("ptr", "lnr").
CString StakeRecordPath(const CString& libraryPath, const wchar_t* extension);
// "name,x,y,h,code\r\n" with four decimals.
CString FormatStakeRecordLine(const PointRecord& point);
// Appended by the store's rule of the file's end: a last line the reader takes is kept, anything
// else cut aside (AppendLinesDurably).
LinesAppended AppendStakeRecord(const CString& recordPath, const PointRecord& point);
// Names and codes trimmed; blank lines and a torn last piece left out, lines whose numbers are no
// numbers left out and counted. Empty when missing.
std::vector<PointRecord> ReadStakeRecords(const CString& recordPath, DataFileRead* read = nullptr);

// "%s,%.4f,%.4f,%.4f,%s,%s,%.4f,%.4f,%.4f,%s,%.4f\r\n".
CString FormatLineFileLine(const LineSegRec& line);
// Eleven comma fields; missing ones empty or 0. `trimNames` trims the two point names.
LineSegRec ParseLineFileLine(const CString& line, bool trimNames);
std::string LineFileBytes(const std::vector<LineSegRec>& lines);
// A line whose numbers are no numbers, or a last line cut short, is left out and counted. The
// screen's reader (`trimNames`) also skips blank lines.
DataFileRead ReadLineFile(const CString& path, bool trimNames, std::vector<LineSegRec>& lines);

// The job's default library: the job file's name with its last three characters made `extension`.
CString DefaultStakeLibrary(const CString& jobFolder, const CString& jobFileName, const wchar_t* extension);

// The count of drawn records as the settings dialogs show it: "全部" for all (-1).
CString ShowCountText(int count);
// "全部" is -1, other text a decimal integer ("abc" gives 0).
int ParseShowCount(const CString& text);
