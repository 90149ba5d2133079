#include "calibration/ListFileLines.h"

#include <string>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

std::vector<CString> CutListLines(const CString& text) {
    std::vector<CString> lines;
    const std::wstring& whole = text.str();
    size_t start = 0;
    while (start < whole.size()) {
        size_t end = whole.find(L'\n', start);
        if (end == std::wstring::npos) end = whole.size();
        size_t last = end;
        if (last > start && whole[last - 1] == L'\r') --last;
        if (last > start) lines.emplace_back(whole.substr(start, last - start).c_str());
        start = end + 1;
    }
    return lines;
}

CString ListField(const CString& line, int index) {
    const std::wstring& text = line.str();
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos) return CString();
        start = comma + 1;
    }
    const size_t comma = text.find(L',', start);
    return CString(
        text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start).c_str());
}

DataFileRead ReadListFile(const CString& path, std::vector<CString>& lines) {
    lines.clear();
    std::string bytes;
    DataFileRead read{ReadDataFile(path, bytes)};
    if (!read) return read;
    lines = CutListLines(FromGbk(bytes));
    return read;
}

namespace {
bool Numbers(const CString& line, std::initializer_list<int> fields, bool blankAllowed) {
    double value = 0.0;
    for (const int field : fields) {
        CString text = ListField(line, field);
        text.Trim();
        if (!(blankAllowed && text.IsEmpty()) && !ReadFiniteNumber(text.str(), value)) return false;
    }
    return true;
}
}  // namespace

bool ListNumbers(const CString& line, std::initializer_list<int> fields) {
    return Numbers(line, fields, false);
}

bool ListNumbersOrBlank(const CString& line, std::initializer_list<int> fields) {
    return Numbers(line, fields, true);
}

bool RewriteListFile(const CString& path, const std::vector<CString>& lines) {
    std::string bytes;
    for (const CString& line : lines) {
        bytes += ToGbk(line);
        bytes += "\r\n";
    }
    return AtomicRewrite(path, bytes);
}
