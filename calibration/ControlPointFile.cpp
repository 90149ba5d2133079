#include "calibration/ControlPointFile.h"

#include "calibration/ListFileLines.h"
#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

DataFileRead ReadControlPointFile(const CString& path, const CCoordTransform& converter, int projectionType,
                                  std::vector<ControlPointRow>& rows) {
    std::vector<CString> lines;
    DataFileRead read = ReadListFile(path, lines);
    for (const CString& line : lines) {
        if (!ListNumbers(line, {1, 2, 3, 4, 5, 6}) || !ListNumbersOrBlank(line, {7, 8})) {
            ++read.skipped;
            continue;
        }
        const double b = converter.ConvertDmsAngle(ToDouble(ListField(line, 4)), 1) * kRadToDeg;
        const double l = converter.ConvertDmsAngle(ToDouble(ListField(line, 5)), 1) * kRadToDeg;
        double x = 0.0, y = 0.0;
        converter.GeodeticToPlane(projectionType, b, l, x, y);
        rows.push_back(ControlPointRow{ListField(line, 0), ListField(line, 1), ListField(line, 2),
                                       ListField(line, 3), Format(L"%.3f", x), Format(L"%.3f", y),
                                       ListField(line, 6), ListField(line, 7), ListField(line, 8),
                                       ListField(line, 9), ListField(line, 10)});
    }
    return read;
}

bool WriteControlPointFile(const CString& path, const std::vector<ControlPointRow>& rows,
                           const CCoordTransform& converter, int projectionType) {
    std::vector<CString> lines;
    for (const ControlPointRow& row : rows) {
        double b = 0.0, l = 0.0;
        converter.PlaneToGeodetic(projectionType, ToDouble(row.rawN), ToDouble(row.rawE), b, l);
        lines.push_back(Format(L"%s,%s,%s,%s,%.10f,%.10f,%s,%s,%s,%s,%s,", row.name, row.knownN, row.knownE,
                               row.knownH, converter.ConvertDmsAngle(b, 0), converter.ConvertDmsAngle(l, 0),
                               row.rawH, row.horizontal, row.vertical, row.usePlane, row.useHeight));
    }
    return RewriteListFile(path, lines);
}
