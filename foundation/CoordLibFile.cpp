#include "foundation/CoordLibFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

namespace {

template <class Char>
std::vector<std::basic_string_view<Char>> CutLines(std::basic_string_view<Char> s) {
    std::vector<std::basic_string_view<Char>> lines;
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find(Char('\n'), start);
        const size_t next = end == s.npos ? s.size() : end + 1;
        if (end == s.npos) end = s.size();
        if (end > start && s[end - 1] == Char('\r')) --end;
        if (end > start) lines.push_back(s.substr(start, end - start));
        start = next;
    }
    return lines;
}

}  // namespace

std::vector<CString> CutCoordLibLines(const CString& text) {
    const std::vector<std::wstring_view> views = CutLines(std::wstring_view(text.str()));
    return std::vector<CString>(views.begin(), views.end());
}

std::vector<std::string_view> CutCoordLibLines(std::string_view bytes) {
    return CutLines(bytes);
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

// The library line starts with the type; the stored-point line keeps its kind in field 15, and a
// line without one is a valid point. `field` is null when the line has no such field.
int32_t TypeOfField(const CString* field, CoordLibLayout layout) {
    if (layout == CoordLibLayout::kLibrary) return field ? ToInt(*field) : 0;
    // Saturated: a damaged kind of the int range's top must not overflow.
    return field ? static_cast<int32_t>(std::min<int64_t>(int64_t{ToInt(*field)} + 1, INT32_MAX)) : 1;
}

size_t TypeFieldIndex(CoordLibLayout layout) {
    return layout == CoordLibLayout::kLibrary ? 0 : 14;
}

}  // namespace

ParsedCoordLibLine ParseCoordLibLine(const CString& line, CoordLibLayout layout) {
    const std::vector<CString> fields = SplitFields(line);
    const auto field = [&](size_t i) { return i < fields.size() ? fields[i] : CString(); };
    const size_t first = layout == CoordLibLayout::kLibrary ? 1 : 0;
    ParsedCoordLibLine parsed;
    for (size_t i = 0; i < parsed.texts.size(); ++i) parsed.texts[i] = field(first + i);
    CoordLibRecord& r = parsed.record;
    const size_t typeField = TypeFieldIndex(layout);
    r.type = TypeOfField(typeField < fields.size() ? &fields[typeField] : nullptr, layout);
    r.name = parsed.texts[0];
    r.north = ToDouble(parsed.texts[1]);
    r.east = ToDouble(parsed.texts[2]);
    r.height = ToDouble(parsed.texts[3]);
    r.code = parsed.texts[4];
    return parsed;
}

int32_t CoordLibLineType(std::string_view gbkLine, CoordLibLayout layout) {
    // A comma is never the second byte of a two-byte character, so the field converts alone to
    // what it is in the converted line.
    size_t start = 0;
    for (size_t i = 0; i < TypeFieldIndex(layout); ++i) {
        const size_t comma = gbkLine.find(',', start);
        if (comma == std::string_view::npos) return TypeOfField(nullptr, layout);
        start = comma + 1;
    }
    const CString field = FromGbk(gbkLine.substr(start, gbkLine.find(',', start) - start));
    return TypeOfField(&field, layout);
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

DataFileRead ReadCoordLibFile(const CString& devicePath, std::string& bytes) {
    // Records address their lines with 32-bit offsets, which 64 MiB leaves far below their limit.
    return {ReadDataFile(devicePath, bytes)};
}

bool CoordLibLineReadable(std::string_view gbkLine, CoordLibLayout layout) {
    const int north = layout == CoordLibLayout::kLibrary ? 2 : 1;
    size_t start = 0;
    for (int field = 0; field < north + 3; ++field) {
        const size_t comma = gbkLine.find(',', start);
        if (field >= north) {
            std::string_view text =
                gbkLine.substr(start, comma == std::string_view::npos ? comma : comma - start);
            while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
            // A number is ASCII; a byte of a two-byte character widened alone makes it no number.
            double value = 0.0;
            if (!ReadFiniteNumber(std::wstring(text.begin(), text.end()), value)) return false;
        }
        if (comma == std::string_view::npos) return field == north + 2;
        start = comma + 1;
    }
    return true;
}

std::optional<std::string> CoordLibBytesOver(std::string_view loaded, std::string_view current,
                                             std::string records) {
    const std::vector<std::string_view> was = CutCoordLibLines(loaded);
    const std::vector<std::string_view> now = CutCoordLibLines(current);
    if (now.size() < was.size() || !std::equal(was.begin(), was.end(), now.begin())) return std::nullopt;
    for (size_t i = was.size(); i < now.size(); ++i) records.append(now[i]).append("\r\n");
    return records;
}

CoordLibSave SaveCoordLibFile(const CString& devicePath, std::string_view loaded, std::string records) {
    std::string current;
    if (GetFileAttributes(devicePath) != INVALID_FILE_ATTRIBUTES && !ReadCoordLibFile(devicePath, current))
        return CoordLibSave::kFailed;
    const std::optional<std::string> bytes = CoordLibBytesOver(loaded, current, std::move(records));
    if (!bytes) return CoordLibSave::kChangedSinceLoaded;
    return AtomicRewrite(devicePath, *bytes) ? CoordLibSave::kSaved : CoordLibSave::kFailed;
}

CString CoordLibPath(const CString& jobFolder, const CString& jobFileName) {
    CString folder = jobFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    return folder + jobFileName.Left(jobFileName.GetLength() - 3) + L"lib";
}
