#include "calibration/GeoLibrary.h"

#include <algorithm>

#include "calibration/ListFileLines.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

CString GeoLibraryPath(const CString& jobFolder, const CString& jobFileName) {
    return jobFolder + jobFileName.Left(std::max(0, jobFileName.GetLength() - 3)) + L"WGS";
}

DataFileRead ReadGeoLibrary(const CString& path, std::vector<GeoRow>& rows) {
    std::vector<CString> lines;
    DataFileRead read = ReadListFile(path, lines);
    for (const CString& line : lines) {
        if (!ListNumbers(line, {1, 2, 3})) {
            ++read.skipped;
            continue;
        }
        rows.push_back(GeoRow{ListField(line, 0), ListField(line, 1), ListField(line, 2), ListField(line, 3),
                              ListField(line, 4)});
    }
    return read;
}

bool WriteGeoLibrary(const CString& path, const std::vector<GeoRow>& rows) {
    std::vector<CString> lines;
    for (const GeoRow& row : rows)
        lines.push_back(Format(L"%s,%s,%s,%s,%s,", row.name, row.b, row.l, row.h, row.attribute));
    return RewriteListFile(path, lines);
}

DataFileRead ImportGeoPoints(const CString& path, std::vector<GeoRow>& rows) {
    std::vector<CString> lines;
    DataFileRead read = ReadListFile(path, lines);
    for (const CString& line : lines) {
        if (line.Left(4) == L"Rem ") continue;
        // A library line has no antenna height in field 5.
        if (!ListNumbers(line, {1, 2, 3}) || !ListNumbersOrBlank(line, {5})) {
            ++read.skipped;
            continue;
        }
        const double ground = ToDouble(ListField(line, 3)) - ToDouble(ListField(line, 5));
        rows.push_back(GeoRow{ListField(line, 0), ListField(line, 1), ListField(line, 2),
                              Format(L"%.3f", ground), ListField(line, 4)});
    }
    return read;
}

std::vector<int> FindGeoRows(const std::vector<GeoRow>& rows, const CString& text) {
    std::vector<std::pair<int, int>> found;  // position of the text, row
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const int at = text.IsEmpty() ? 0 : rows[static_cast<size_t>(i)].name.Find(text);
        if (at >= 0) found.emplace_back(at, i);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> result;
    for (const auto& [at, row] : found) result.push_back(row);
    return result;
}
