#include "stakeout/StakeFiles.h"

#include <initializer_list>

#include "foundation/DevicePathJoin.h"
#include "foundation/PointLines.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {

constexpr const wchar_t* kAllText = L"全部";

CString Trimmed(CString text) {
    text.Trim();
    return text;
}

// True when each text is one finite number (blanks around it allowed).
bool Numbers(std::initializer_list<CString> texts) {
    double value = 0.0;
    for (const CString& text : texts)
        if (!ReadFiniteNumber(Trimmed(text).str(), value)) return false;
    return true;
}

// A records line the reader takes: its north, east and height are numbers.
bool IsStakeRecord(const CString& line) {
    return Numbers({LineField(line, 1), LineField(line, 2), LineField(line, 3)});
}
bool HoldsStakeRecord(std::string_view line) {
    return IsStakeRecord(FromGbk(line));
}

CString WithExtension(const CString& path, const wchar_t* extension) {
    return path.Left(path.GetLength() - 3) + extension;
}

}  // namespace

std::string PtbBytes(const std::vector<StakeRow>& rows) {
    std::string bytes;
    for (const StakeRow& r : rows)
        bytes += ToGbk(Format(L"%d,%s,%s,%s,%s,%s,\r\n", 0, r.name.c_str(), r.x.c_str(), r.y.c_str(),
                              r.h.c_str(), r.code.c_str()));
    return bytes;
}

std::string XyhExportBytes(const std::vector<StakeRow>& rows) {
    std::string bytes;
    for (const StakeRow& r : rows)
        bytes += ToGbk(Format(L"%s,%s,%s,%s,%s,\r\n", r.name.c_str(), r.x.c_str(), r.y.c_str(), r.h.c_str(),
                              r.code.c_str()));
    return bytes;
}

DataFileRead ReadStakeRows(const CString& path, StakeRowLayout layout, std::vector<StakeRow>& rows) {
    const bool library = layout == StakeRowLayout::kLibrary;
    const int first = library ? 1 : 0;
    size_t skipped = 0;
    DataFileRead read = ReadDataLines(path, library, [&](const CString& line) {
        StakeRow row{LineField(line, first), LineField(line, first + 1), LineField(line, first + 2),
                     LineField(line, first + 3), LineField(line, first + 4)};
        if (Numbers({row.x, row.y, row.h}))
            rows.push_back(std::move(row));
        else
            ++skipped;
    });
    read.skipped += skipped;
    return read;
}

std::vector<PointRecord> NamedStakePoints(const std::vector<StakeRow>& rows, std::vector<int>& rowOfPoint) {
    std::vector<PointRecord> points;
    rowOfPoint.clear();
    for (size_t i = 0; i < rows.size(); ++i) {
        const StakeRow& r = rows[i];
        if (Trimmed(r.name).IsEmpty()) continue;
        PointRecord p;
        p.name = Trimmed(r.name);
        p.x = ToDouble(r.x.c_str());
        p.y = ToDouble(r.y.c_str());
        p.h = ToDouble(r.h.c_str());
        p.code = r.code;
        points.push_back(p);
        rowOfPoint.push_back(static_cast<int>(i));
    }
    return points;
}

std::vector<PointRecord> ReadStakePoints(const CString& path, DataFileRead* read) {
    std::vector<StakeRow> rows;
    std::vector<int> rowOfPoint;
    const DataFileRead result = ReadStakeRows(path, StakeRowLayout::kLibrary, rows);
    if (read) *read = result;
    return NamedStakePoints(rows, rowOfPoint);
}

CString StakeRecordPath(const CString& libraryPath, const wchar_t* extension) {
    return WithExtension(libraryPath, extension);
}

CString FormatStakeRecordLine(const PointRecord& p) {
    return Format(L"%s,%.4f,%.4f,%.4f,%s\r\n", p.name.c_str(), p.x, p.y, p.h, p.code.c_str());
}

LinesAppended AppendStakeRecord(const CString& recordPath, const PointRecord& point) {
    return AppendLinesDurably(recordPath, ToGbk(FormatStakeRecordLine(point)), HoldsStakeRecord);
}

std::vector<PointRecord> ReadStakeRecords(const CString& recordPath, DataFileRead* read) {
    std::vector<PointRecord> records;
    size_t skipped = 0;
    // Appended to, so a torn last piece is an append cut short, no damage.
    DataFileRead result = ReadDataLines(recordPath, false, [&](const CString& line) {
        if (Trimmed(line).IsEmpty()) return;
        if (!IsStakeRecord(line)) {
            ++skipped;
            return;
        }
        PointRecord p;
        p.name = Trimmed(LineField(line, 0));
        p.x = ToDouble(LineField(line, 1).c_str());
        p.y = ToDouble(LineField(line, 2).c_str());
        p.h = ToDouble(LineField(line, 3).c_str());
        p.code = Trimmed(LineField(line, 4));
        records.push_back(p);
    });
    result.skipped += skipped;
    if (read) *read = result;
    return records;
}

CString FormatLineFileLine(const LineSegRec& l) {
    return Format(L"%s,%.4f,%.4f,%.4f,%s,%s,%.4f,%.4f,%.4f,%s,%.4f\r\n", l.start.name.c_str(), l.start.x,
                  l.start.y, l.start.h, l.start.code.c_str(), l.end.name.c_str(), l.end.x, l.end.y, l.end.h,
                  l.end.code.c_str(), l.startMileage);
}

LineSegRec ParseLineFileLine(const CString& line, bool trimNames) {
    auto number = [&](int i) { return ToDouble(LineField(line, i).c_str()); };
    LineSegRec l;
    l.start.name = trimNames ? Trimmed(LineField(line, 0)) : LineField(line, 0);
    l.start.x = number(1);
    l.start.y = number(2);
    l.start.h = number(3);
    l.start.code = LineField(line, 4);
    l.end.name = trimNames ? Trimmed(LineField(line, 5)) : LineField(line, 5);
    l.end.x = number(6);
    l.end.y = number(7);
    l.end.h = number(8);
    l.end.code = LineField(line, 9);
    l.startMileage = number(10);
    return l;
}

std::string LineFileBytes(const std::vector<LineSegRec>& lines) {
    std::string bytes;
    for (const LineSegRec& l : lines) bytes += ToGbk(FormatLineFileLine(l));
    return bytes;
}

DataFileRead ReadLineFile(const CString& path, bool trimNames, std::vector<LineSegRec>& lines) {
    size_t skipped = 0;
    DataFileRead read = ReadDataLines(path, true, [&](const CString& line) {
        if (trimNames && Trimmed(line).IsEmpty()) return;
        if (!Numbers({LineField(line, 1), LineField(line, 2), LineField(line, 3), LineField(line, 6),
                      LineField(line, 7), LineField(line, 8), LineField(line, 10)})) {
            ++skipped;
            return;
        }
        lines.push_back(ParseLineFileLine(line, trimNames));
    });
    read.skipped += skipped;
    return read;
}

CString DefaultStakeLibrary(const CString& jobFolder, const CString& jobFileName, const wchar_t* extension) {
    return JoinDevicePath(jobFolder, WithExtension(jobFileName, extension));
}

CString ShowCountText(int count) {
    return count == -1 ? CString(kAllText) : Format(L"%d", count);
}

int ParseShowCount(const CString& text) {
    return text == kAllText ? -1 : ToInt(text.c_str());
}
