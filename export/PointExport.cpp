#include "export/PointExport.h"

#include "foundation/PointLines.h"
#include "foundation/StoredPointLines.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"

namespace {
CString ExportLine(const SurveyPointRec& p, PointExportLayout layout) {
    switch (layout) {
        case PointExportLayout::kNameCodeEastNorthHeight:
            return Format(L"%s,%s,%.3f,%.3f,%.3f\r\n", p.name, p.code, p.pointY, p.pointX, p.pointH);
        case PointExportLayout::kNameNorthEastHeightCode:
            return Format(L"%s,%.3f,%.3f,%.3f,%s\r\n", p.name, p.pointX, p.pointY, p.pointH, p.code);
        case PointExportLayout::kNameCodeNorthEastHeight:
            break;
    }
    return Format(L"%s,%s,%.3f,%.3f,%.3f\r\n", p.name, p.code, p.pointX, p.pointY, p.pointH);
}
}  // namespace

ExportText BuildPointExport(const CString& pointFileText, PointExportLayout layout) {
    CString text;
    ExportText out;
    for (const CString& line : CutPointFileLines(pointFileText)) {
        SurveyPointRec point;
        // Every line is a stored point: deleted points have left the file (see LoadPointFile).
        if (!ReadPointFileLine(line, point)) continue;
        text += ExportLine(point, layout);
        ++out.points;
    }
    out.bytes = ToGbk(text);
    return out;
}
