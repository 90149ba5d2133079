#include "foundation/CoordLibFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

std::vector<CString> CutCoordLibLines(const CString& text) {
    std::vector<CString> lines;
    const std::wstring& s = text.str();
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find(L'\n', start);
        const size_t next = end == std::wstring::npos ? s.size() : end + 1;
        if (end == std::wstring::npos) end = s.size();
        if (end > start && s[end - 1] == L'\r') --end;
        if (end > start) lines.emplace_back(std::wstring_view(s).substr(start, end - start));
        start = next;
    }
    return lines;
}

namespace {

std::vector<CString> SplitFields(const CString& line) {
    std::vector<CString> fields;
    const std::wstring& s = line.str();
    size_t start = 0;
    for (;;) {
        const size_t comma = s.find(L',', start);
        if (comma == std::wstring::npos) {
            fields.emplace_back(std::wstring_view(s).substr(start));
            return fields;
        }
        fields.emplace_back(std::wstring_view(s).substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace

ParsedCoordLibLine ParseCoordLibLine(const CString& line, CoordLibLayout layout) {
    const std::vector<CString> fields = SplitFields(line);
    const auto field = [&](size_t i) { return i < fields.size() ? fields[i] : CString(); };
    // The library line starts with the type; the stored-point line keeps its kind in field 15.
    const size_t first = layout == CoordLibLayout::kLibrary ? 1 : 0;
    ParsedCoordLibLine parsed;
    for (size_t i = 0; i < parsed.texts.size(); ++i) parsed.texts[i] = field(first + i);
    CoordLibRecord& r = parsed.record;
    if (layout == CoordLibLayout::kLibrary)
        r.type = ToInt(field(0));
    else
        // Saturated: a damaged kind of the int range's top must not overflow.
        r.type = fields.size() > 14
                     ? static_cast<int>(std::min<int64_t>(int64_t{ToInt(fields[14])} + 1, INT32_MAX))
                     : 1;
    r.name = parsed.texts[0];
    r.north = ToDouble(parsed.texts[1]);
    r.east = ToDouble(parsed.texts[2]);
    r.height = ToDouble(parsed.texts[3]);
    r.code = parsed.texts[4];
    return parsed;
}

CString FormatCoordLibLine(const CoordLibRecord& r) {
    CString line;
    line.Format(L"%d,%s,%.3f,%.3f,%.3f,%s\r\n", r.type, r.name.c_str(), r.north, r.east, r.height,
                r.code.c_str());
    return line;
}

std::vector<CString> CoordLibLinesFromBytes(std::string_view gbkBytes) {
    return CutCoordLibLines(FromGbk(gbkBytes));
}

std::string CoordLibFileBytes(const std::vector<CoordLibRecord>& records) {
    std::string bytes;
    for (const CoordLibRecord& r : records)
        if (!r.deleted) bytes += ToGbk(FormatCoordLibLine(r));
    return bytes;
}

bool CoordLibLayoutOfPath(const CString& path, CoordLibLayout& layout) {
    CString ext = path.Right(3);
    ext.MakeLower();
    if (ext == L"xyh") {
        layout = CoordLibLayout::kPointFile;
        return true;
    }
    if (ext == L"lib") {
        layout = CoordLibLayout::kLibrary;
        return true;
    }
    return false;
}

bool ReadCoordLibFile(const CString& devicePath, std::vector<CString>& lines) {
    std::string bytes;
    lines.clear();
    if (!ReadWholeFile(devicePath, bytes)) return false;
    lines = CoordLibLinesFromBytes(bytes);
    return true;
}

std::optional<std::string> CoordLibBytesOver(const std::vector<CString>& loaded,
                                             const std::vector<CString>& current,
                                             const std::vector<CoordLibRecord>& records) {
    if (current.size() < loaded.size() || !std::equal(loaded.begin(), loaded.end(), current.begin()))
        return std::nullopt;
    std::string bytes = CoordLibFileBytes(records);
    for (size_t i = loaded.size(); i < current.size(); ++i) bytes += ToGbk(current[i] + L"\r\n");
    return bytes;
}

CoordLibSave SaveCoordLibFile(const CString& devicePath, const std::vector<CString>& loaded,
                              const std::vector<CoordLibRecord>& records) {
    std::vector<CString> current;
    if (GetFileAttributes(devicePath) != INVALID_FILE_ATTRIBUTES && !ReadCoordLibFile(devicePath, current))
        return CoordLibSave::kFailed;
    const std::optional<std::string> bytes = CoordLibBytesOver(loaded, current, records);
    if (!bytes) return CoordLibSave::kChangedSinceLoaded;
    return AtomicRewrite(devicePath, *bytes) ? CoordLibSave::kSaved : CoordLibSave::kFailed;
}

CString CoordLibPath(const CString& jobFolder, const CString& jobFileName) {
    CString folder = jobFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    return folder + jobFileName.Left(jobFileName.GetLength() - 3) + L"lib";
}
