#include "foundation/PointLines.h"

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kPointFileFields = 36;
constexpr int kFlagField = 33;
constexpr int kBaiheFormat = 6;

std::vector<CString> CutLines(const CString& text, bool stopAtEmpty) {
    std::vector<CString> lines;
    const std::wstring& s = text.str();
    size_t start = 0;
    for (size_t lf = s.find(L'\n'); lf != std::wstring::npos; start = lf + 1, lf = s.find(L'\n', start)) {
        size_t end = lf;
        if (end > start && s[end - 1] == L'\r') --end;
        if (end == start) {
            if (stopAtEmpty) break;
            continue;
        }
        lines.emplace_back(std::wstring_view(s).substr(start, end - start));
    }
    return lines;
}

std::vector<CString> CutFields(const CString& line) {
    std::vector<CString> fields;
    int start = 0;
    for (int comma = line.Find(L','); comma >= 0; start = comma + 1, comma = line.Find(L',', start))
        fields.push_back(line.Mid(start, comma - start));
    fields.push_back(line.Mid(start));
    return fields;
}

bool FieldIs(const CString& line, int index, int value) {
    return ToInt(LineField(line, index)) == value;
}

}  // namespace

std::vector<CString> CutPointFileLines(const CString& text) {
    return CutLines(text, false);
}

std::vector<CString> CutRecordFileLines(const CString& text) {
    return CutLines(text, true);
}

CString LineField(const CString& line, int index) {
    int start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.Find(L',', start);
        if (start < 0) return CString();
        ++start;
    }
    const int comma = line.Find(L',', start);
    return comma < 0 ? line.Mid(start) : line.Mid(start, comma - start);
}

bool LoadPointFile(const CString& path, std::vector<PointRecord>& points) {
    std::string bytes;
    if (!FileExists(path) || !ReadWholeFile(path, bytes)) return false;
    const std::vector<CString> lines = CutPointFileLines(FromGbk(bytes));
    points.clear();
    points.reserve(lines.size());
    for (const CString& line : lines) {
        std::vector<CString> fields = CutFields(line);
        fields.resize(kPointFileFields);
        for (CString& field : fields) field.Trim();
        PointRecord point;
        point.name = fields[0];
        point.x = ToDouble(fields[1]);
        point.y = ToDouble(fields[2]);
        point.h = ToDouble(fields[3]);
        point.code = fields[4];
        point.flag = ToInt(fields[kFlagField]);
        points.push_back(std::move(point));
    }
    return true;
}

CString FormatRecordLine(const PointRecord& point) {
    CString line;
    line.Format(L"%s,%.4f,%.4f,%.4f,%s\r\n", point.name, point.x, point.y, point.h, point.code);
    return line;
}

std::vector<PointRecord> ParseRecordFile(const CString& text) {
    std::vector<PointRecord> points;
    for (CString line : CutRecordFileLines(text)) {
        line.TrimLeft();
        PointRecord point;
        point.name = LineField(line, 0).TrimLeft();
        point.x = ToDouble(LineField(line, 1));
        point.y = ToDouble(LineField(line, 2));
        point.h = ToDouble(LineField(line, 3));
        point.code = LineField(line, 4).TrimLeft();
        points.push_back(std::move(point));
    }
    return points;
}

LastNames ScanLastNames(const CString& text, int format) {
    const bool baihe = format == kBaiheFormat;
    LastNames names = baihe ? LastNames{L"0", L"0", L"0", L"0"} : LastNames{L"J0", L"Z0", L"0", L"0"};
    const std::vector<CString> lines = CutPointFileLines(text);
    if (lines.empty()) return names;
    names.lastPoint = LineField(lines.back(), 0).Trim();
    // Each name from the newest line that matches; no match keeps the default.
    auto scan = [&](CString& name, int nameField, auto matches) {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            if (matches(*line)) {
                name = LineField(*line, nameField);
                return;
            }
    };
    if (baihe) {
        scan(names.first, 4, [](const CString& l) { return FieldIs(l, 16, 1); });
        scan(names.second, 4, [](const CString& l) { return FieldIs(l, 16, 0); });
    } else {
        scan(names.first, 0, [](const CString& l) { return FieldIs(l, 16, 0) && FieldIs(l, 14, 0); });
        scan(names.second, 0, [](const CString& l) { return FieldIs(l, 16, 1); });
        scan(names.third, 0, [](const CString& l) { return FieldIs(l, 16, 2); });
    }
    return names;
}
