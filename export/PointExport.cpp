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

void ForEachListedPoint(const CString& pointFileText,
                        const std::function<void(const CString& line, const SurveyPointRec& point)>& point) {
    // Every point line is a stored point: deleted points have left the file (see LoadPointFile).
    CutPointFileBytes(ToGbk(pointFileText), [&](std::string_view bytes, uint64_t) {
        if (!HoldsPointPosition(bytes)) return;
        const CString line = FromGbk(bytes);
        point(line, ReadListedPointLine(line));
    });
}

ExportText BuildPointExport(const CString& pointFileText, PointExportLayout layout) {
    CString text;
    ExportText out;
    ForEachListedPoint(pointFileText, [&](const CString&, const SurveyPointRec& point) {
        text += ExportLine(point, layout);
        ++out.points;
    });
    out.bytes = ToGbk(text);
    return out;
}
