#include "export/BlhExport.h"

#include <map>
#include <vector>

#include "foundation/PointLines.h"
#include "foundation/StoredPointLines.h"
#include "geodesy/GeodesyConstants.h"
#include "geodesy/JobGrid.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "survey/OffsetPoint.h"

namespace {
// Raw record fields (from 0): name, packed latitude and longitude, ellipsoidal height, code,
// antenna height, then the fix's solution, RMSH, RMSV, satellites, PDOP, time and date, which the
// point-file line repeats in the same columns; after the attributes, how the point was stored.
enum RawField {
    kName = 0,
    kLatitude = 1,
    kLongitude = 2,
    kHeight = 3,
    kFirstFixField = 6,
    kLastFixField = 12,
    kStoreMode = 32,
    kOffsetDistance = 33,
    kOffsetHeight = 34,
    kOffsetAzimuth = 35,
    kEpochIndex = 35,
};
constexpr const wchar_t* kOffsetStore = L"1";
constexpr const wchar_t* kSmoothingStore = L"2";
constexpr int kToRadians = 1, kToPacked = 0;

// Latitude and longitude packed ddd.mmssss as the raw file keeps them; ellipsoidal height (m).
struct Position {
    double b = 0.0;
    double l = 0.0;
    double h = 0.0;
};

double Degrees(double packed) {
    return CCoordTransform().ConvertDmsAngle(packed, kToRadians) * kRadToDeg;
}

double Packed(double degrees) {
    return CCoordTransform().ConvertDmsAngle(degrees * kDegToRad, kToPacked);
}

double Field(const CString& record, RawField field) {
    return ToDouble(LineField(record, field));
}

Position FixOfRecord(const CString& record) {
    return {Field(record, kLatitude), Field(record, kLongitude), Field(record, kHeight)};
}

// The point an offset store placed: the fix's grid position moved as the offset dialog moved it.
Position OffsetPosition(const CString& record, const StoredGrid& grid) {
    const Position fix = FixOfRecord(record);
    double n = 0.0, e = 0.0, h = 0.0;
    JobGridFromWgs84(grid.converter, grid.params, Degrees(fix.b), Degrees(fix.l), fix.h, n, e, h);
    const OffsetPoint point = OffsetFrom(n, e, h, Field(record, kOffsetDistance),
                                         Field(record, kOffsetAzimuth), Field(record, kOffsetHeight));
    double b = 0.0, l = 0.0, height = 0.0;
    Wgs84FromJobGrid(grid.converter, grid.params, point.x, point.y, point.h, b, l, height);
    return {Packed(b), Packed(l), height};
}

// The mean of the epochs that the smoothing record `last` closes: the records before it whose
// numbers count down to 1. Over a few centimetres the mean of latitudes is the mean of northings.
Position SmoothedPosition(const std::vector<CString>& records, size_t last) {
    double b = 0.0, l = 0.0, h = 0.0;
    int epochs = 0;
    for (size_t i = last + 1; i-- > 0;) {
        const int number = static_cast<int>(Field(records[i], kEpochIndex));
        if (LineField(records[i], kStoreMode) != kSmoothingStore || number < 1 ||
            (epochs > 0 && number != static_cast<int>(Field(records[i + 1], kEpochIndex)) - 1))
            break;
        const Position epoch = FixOfRecord(records[i]);
        b += Degrees(epoch.b);
        l += Degrees(epoch.l);
        h += epoch.h;
        ++epochs;
        if (number == 1) break;
    }
    if (epochs == 0) return FixOfRecord(records[last]);
    const double share = 1.0 / epochs;
    return {Packed(b * share), Packed(l * share), h * share};
}

CString FixOf(const CString& line) {
    CString fix;
    for (int i = kFirstFixField; i <= kLastFixField; ++i) fix += LineField(line, i) + L",";
    return fix;
}

CString ExportLine(const CString& name, double antenna, const Position& at, LatLonStyle style) {
    if (style == LatLonStyle::kPackedDms)
        return Format(L"%s,%.10f,%.10f,%.3f,%.3f\r\n", name, at.b, at.l, at.h, antenna);
    return Format(L"%s,%.9f,%.9f,%.3f,%.3f\r\n", name, Degrees(at.b), Degrees(at.l), at.h, antenna);
}

// The raw file's records in file order and, by the fix they were stored from, their indexes.
struct RawRecords {
    std::vector<CString> lines;
    std::map<CString, std::vector<size_t>> byFix;
};

RawRecords ReadRawRecords(const CString& rawFileText) {
    RawRecords records;
    for (const CString& line : CutPointFileLines(rawFileText)) {
        if (line.Left(4) == L"Rem " || LineField(line, kLastFixField).IsEmpty()) continue;
        records.byFix[FixOf(line)].push_back(records.lines.size());
        records.lines.push_back(line);
    }
    return records;
}

// The index of the point's raw record, or -1.
long RawRecordOf(const CString& pointLine, const CString& name, const RawRecords& records) {
    const auto found = records.byFix.find(FixOf(pointLine));
    if (found == records.byFix.end()) return -1;
    const std::vector<size_t>& sameFix = found->second;
    for (auto it = sameFix.rbegin(); it != sameFix.rend(); ++it)
        if (LineField(records.lines[*it], kName) == name) return static_cast<long>(*it);
    return static_cast<long>(sameFix.back());
}

Position StoredPosition(const RawRecords& records, size_t index, const StoredGrid& grid) {
    const CString& record = records.lines[index];
    const CString mode = LineField(record, kStoreMode);
    if (mode == kOffsetStore) return OffsetPosition(record, grid);
    if (mode == kSmoothingStore) return SmoothedPosition(records.lines, index);
    return FixOfRecord(record);
}
}  // namespace

ExportText BuildBlhExport(const CString& pointFileText, const CString& rawFileText, LatLonStyle style,
                          const StoredGrid& grid) {
    const RawRecords records = ReadRawRecords(rawFileText);
    ExportText out;
    CString text;
    ForEachListedPoint(pointFileText, [&](const CString& line, const SurveyPointRec& point) {
        const long index = RawRecordOf(line, point.name, records);
        if (index < 0) {
            out.leftOut.push_back(point.name);
            return;
        }
        const Position at = StoredPosition(records, static_cast<size_t>(index), grid);
        text += ExportLine(point.name, point.antennaHeight, at, style);
        ++out.points;
    });
    out.bytes = ToGbk(text);
    return out;
}
