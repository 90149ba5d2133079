#include "export/BlhExport.h"

#include <map>
#include <vector>

#include "foundation/PointLines.h"
#include "foundation/StoredPointLines.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// Raw record fields (from 0): name, packed latitude and longitude, ellipsoidal height, code,
// antenna height, then the fix's solution, RMSH, RMSV, satellites, PDOP, time and date, which the
// point-file line repeats in the same columns.
constexpr int kLatitude = 1, kLongitude = 2, kHeight = 3, kAntennaHeight = 5;
constexpr int kFirstFixField = 6, kLastFixField = 12;

double Degrees(double packed) {
    return CCoordTransform().ConvertDmsAngle(packed, 1) * kRadToDeg;
}

CString FixOf(const CString& line) {
    CString fix;
    for (int i = kFirstFixField; i <= kLastFixField; ++i) fix += LineField(line, i) + L",";
    return fix;
}

CString ExportLine(const CString& name, double antenna, const CString& raw, LatLonStyle style) {
    const double b = ToDouble(LineField(raw, kLatitude)), l = ToDouble(LineField(raw, kLongitude));
    const double h = ToDouble(LineField(raw, kHeight));
    if (style == LatLonStyle::kPackedDms)
        return Format(L"%s,%.10f,%.10f,%.3f,%.3f\r\n", name, b, l, h, antenna);
    return Format(L"%s,%.9f,%.9f,%.3f,%.3f\r\n", name, Degrees(b), Degrees(l), h, antenna);
}

// The raw records by the fix they were stored from, in file order.
std::map<CString, std::vector<CString>> RawRecordsByFix(const CString& rawFileText) {
    std::map<CString, std::vector<CString>> byFix;
    for (const CString& line : CutPointFileLines(rawFileText)) {
        if (line.Left(4) == L"Rem " || LineField(line, kLastFixField).IsEmpty()) continue;
        byFix[FixOf(line)].push_back(line);
    }
    return byFix;
}

const CString* RawRecordOf(const CString& pointLine, const CString& name,
                           const std::map<CString, std::vector<CString>>& byFix) {
    const auto found = byFix.find(FixOf(pointLine));
    if (found == byFix.end()) return nullptr;
    const std::vector<CString>& records = found->second;
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        if (LineField(*it, 0) == name) return &*it;
    return &records.back();
}
}  // namespace

ExportText BuildBlhExport(const CString& pointFileText, const CString& rawFileText, LatLonStyle style) {
    const std::map<CString, std::vector<CString>> byFix = RawRecordsByFix(rawFileText);
    ExportText out;
    CString text;
    for (const CString& line : CutPointFileLines(pointFileText)) {
        SurveyPointRec point;
        if (!ReadPointFileLine(line, point)) continue;
        const CString* raw = RawRecordOf(line, point.name, byFix);
        if (!raw) {
            out.leftOut.push_back(point.name);
            continue;
        }
        text += ExportLine(point.name, point.antennaHeight, *raw, style);
        ++out.points;
    }
    out.bytes = ToGbk(text);
    return out;
}
