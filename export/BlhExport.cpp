#include "export/BlhExport.h"

#include <map>
#include <vector>

#include "foundation/PointLines.h"
#include "geodesy/CoordTransform.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

namespace {
// Raw record fields (from 0): name, packed latitude and longitude, ellipsoidal height, code,
// antenna height.
constexpr int kLatitude = 1, kLongitude = 2, kHeight = 3, kAntennaHeight = 5;

double Degrees(double packed) {
    return CCoordTransform().ConvertDmsAngle(packed, 1) * kRadToDeg;
}

CString ExportLine(const CString& line, LatLonStyle style) {
    const double b = ToDouble(LineField(line, kLatitude)), l = ToDouble(LineField(line, kLongitude));
    const double h = ToDouble(LineField(line, kHeight)), antenna = ToDouble(LineField(line, kAntennaHeight));
    const CString name = LineField(line, 0);
    if (style == LatLonStyle::kPackedDms)
        return Format(L"%s,%.10f,%.10f,%.3f,%.3f\r\n", name, b, l, h, antenna);
    return Format(L"%s,%.9f,%.9f,%.3f,%.3f\r\n", name, Degrees(b), Degrees(l), h, antenna);
}
}  // namespace

ExportText BuildBlhExport(const CString& rawFileText, LatLonStyle style) {
    std::vector<CString> names;  // in order of first appearance
    std::map<CString, CString> last;
    for (const CString& line : CutPointFileLines(rawFileText)) {
        if (line.Left(4) == L"Rem " || LineField(line, kAntennaHeight).IsEmpty()) continue;
        const CString name = LineField(line, 0);
        if (!last.contains(name)) names.push_back(name);
        last[name] = line;
    }
    CString text;
    for (const CString& name : names) text += ExportLine(last[name], style);
    return {ToGbk(text), static_cast<int>(names.size())};
}
