#pragma once
// The job's point file as a results file for the office: one line per point in the chosen layout,
// points marked deleted left out, GBK with CR LF.
#include <functional>
#include <string>
#include <vector>

#include "foundation/SurveyPointRec.h"
#include "platform/text/CString.h"

enum class PointExportLayout {
    kNameCodeEastNorthHeight = 0,  // 点名,编码,y(东),x(北),h: the field-to-office format in common use
    kNameNorthEastHeightCode = 1,  // 点名,x,y,h,编码
    kNameCodeNorthEastHeight = 2,  // 点名,编码,x,y,h
};

struct ExportText {
    std::string bytes;  // GBK, CR LF
    int points = 0;
    std::vector<CString> leftOut;  // names of points that could not be written
};

// Each point of the point file's text (decoded) that the coordinate view lists (CutPointFileBytes:
// every line that holds a point, a last line without its line end too), as its line and its stored
// values; the fields a short line lacks read as empty.
void ForEachListedPoint(const CString& pointFileText,
                        const std::function<void(const CString& line, const SurveyPointRec& point)>& point);

// From the point file's text (decoded): every point ForEachListedPoint hands on.
ExportText BuildPointExport(const CString& pointFileText, PointExportLayout layout);
