#include "foundation/PointLines.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

namespace {

constexpr int kPointFileFields = 36;
constexpr int kBaiheFormat = 6;

std::vector<CString> CutLines(const CString& text) {
    std::vector<CString> lines;
    const std::wstring& s = text.str();
    size_t start = 0;
    for (size_t lf = s.find(L'\n'); lf != std::wstring::npos; start = lf + 1, lf = s.find(L'\n', start)) {
        size_t end = lf;
        if (end > start && s[end - 1] == L'\r') --end;
        if (end == start) continue;
        lines.emplace_back(std::wstring_view(s).substr(start, end - start));
    }
    return lines;
}

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// The first kPointFileFields fields of a point-file line cut at ",", each trimmed as CString::Trim
// trims; missing fields are empty, further ones dropped.
void SplitPointFields(std::wstring_view line, std::wstring_view (&fields)[kPointFileFields]) {
    size_t start = 0;
    for (std::wstring_view& field : fields) {
        if (start > line.size()) break;
        const size_t comma = std::min(line.find(L',', start), line.size());
        field = line.substr(start, comma - start);
        while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
        while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
        start = comma + 1;
    }
}

bool IsByteBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimmedBytes(std::string_view field) {
    while (!field.empty() && IsByteBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsByteBlank(field.back())) field.remove_suffix(1);
    return field;
}

// Fields 1-3 of a point-file line, blanks trimmed, are each a finite number in full; read into those
// of `numbers` given (a short decimal's value costs a division).
bool ReadPositionFields(std::string_view line, const std::array<double*, 3>& numbers) {
    // Fields are cut at "," in the bytes: GBK never uses it as a second byte, and the converter keeps
    // every "," of a line whatever stands around it.
    const char* const end = line.data() + line.size();
    const char* comma = static_cast<const char*>(std::memchr(line.data(), ',', line.size()));
    for (double* number : numbers) {
        if (!comma) return false;
        const char* const start = comma + 1;
        comma = static_cast<const char*>(std::memchr(start, ',', static_cast<size_t>(end - start)));
        const std::string_view field =
            TrimmedBytes(std::string_view(start, static_cast<size_t>((comma ? comma : end) - start)));
        if (!(number ? ReadFiniteNumber(field, *number) : IsFiniteNumber(field))) return false;
    }
    return true;
}

// The names a store continues from: which one a point line continues (0 the first, 1 the second, 2
// the third), -1 none, by its kind (field 16) and, for the first, field 14; `read` reads a field as a
// whole number.
constexpr int kNameSlots = 3;
constexpr int kBaiheNameField = 4;
template <typename FieldInt>
int NameSlot(bool baihe, FieldInt read) {
    const int kind = read(16);
    if (baihe) return kind == 1 ? 0 : kind == 0 ? 1 : -1;
    if (kind == 0) return read(14) == 0 ? 0 : -1;
    return kind == 1 ? 1 : kind == 2 ? 2 : -1;
}

// Field `index` of a line's bytes cut at ","; empty when the line has fewer. GBK never uses ","
// as the second byte of a character.
std::string_view ByteField(std::string_view line, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    return line.substr(start, line.find(',', start) - start);
}

}  // namespace

std::vector<CString> CutPointFileLines(const CString& text) {
    return CutLines(text);
}

bool HoldsPointPosition(std::string_view line) {
    return ReadPositionFields(line, {nullptr, nullptr, nullptr});
}

bool ReadPointPosition(std::string_view line, double& n, double& e, double* h) {
    return ReadPositionFields(line, {&n, &e, h});
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
    return LoadPointFile(path, points, PointFileWindow{});
}

bool ReadWindowLines(const CString& path, const PointFileWindow& window,
                     const std::function<void(size_t count)>& counted,
                     const std::function<void(std::string_view line, uint64_t offset)>& line) {
    const auto content = [](std::string_view text) {
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        return text;
    };
    if (!FileExists(path)) return false;
    size_t first = 0;
    if (counted || window.keepLast >= 0) {
        size_t count = 0;
        const auto countLine = [&](std::string_view text) { count += content(text).empty() ? 0 : 1; };
        if (!ReadFileLines(path, countLine, window.byteLimit)) return false;
        first = window.keepLast < 0 ? 0 : count - std::min(count, static_cast<size_t>(window.keepLast));
        if (counted) counted(count - first);
    }
    size_t index = 0;
    uint64_t offset = 0;
    return ReadFileLines(
        path,
        [&](std::string_view text) {
            const uint64_t start = offset;
            offset += text.size() + 1;
            text = content(text);
            if (text.empty() || index++ < first || (window.stop && *window.stop)) return;
            line(text, start);
        },
        window.byteLimit);
}

bool ParsePointLine(std::string_view line, PointRecord& point) {
    // LF and CR never occur inside a two-byte character, so each line converts alone to what it is
    // in the converted whole.
    PointRecord read;
    if (!ReadPointPosition(line, read.x, read.y, &read.h)) return false;
    const CString text = FromGbk(line);
    std::wstring_view fields[kPointFileFields];
    SplitPointFields(text.str(), fields);
    read.name = CString(fields[0]);
    read.code = CString(fields[4]);
    point = std::move(read);
    return true;
}

bool LoadPointFile(const CString& path, std::vector<PointRecord>& points, const PointFileWindow& window) {
    // Read twice a block at a time, counting and then converting, so that neither the file's bytes
    // nor a list growing by copies stand beside the finished list.
    bool counted = false;
    const bool done = ReadWindowLines(
        path, window,
        [&](size_t count) {
            counted = true;
            points.clear();
            points.reserve(count);
        },
        [&](std::string_view line, uint64_t) {
            PointRecord point;
            if (ParsePointLine(line, point))
                points.push_back(std::move(point));
            else if (window.skipped)
                ++*window.skipped;
        });
    if (!done && counted) points.clear();
    return done;
}

CString FormatRecordLine(const PointRecord& point) {
    CString line;
    line.Format(L"%s,%.4f,%.4f,%.4f,%s\r\n", point.name, point.x, point.y, point.h, point.code);
    return line;
}

LastNames ScanLastNames(const CString& text, int format) {
    const bool baihe = format == kBaiheFormat;
    LastNames names = baihe ? LastNames{L"0", L"0", L"0", L"0", {}} : LastNames{L"J0", L"Z0", L"0", L"0", {}};
    const std::vector<CString> lines = CutPointFileLines(text);
    if (lines.empty()) return names;
    names.lastPoint = LineField(lines.back(), 0).Trim();
    // Each name from the newest line that matches; no match keeps the default.
    const CString* newest[kNameSlots] = {};
    for (const CString& line : lines) {
        names.taken.Add(ToGbk(LineField(line, 0).Trim()));
        if (const int slot = NameSlot(baihe, [&](int field) { return ToInt(LineField(line, field)); });
            slot >= 0)
            newest[slot] = &line;
    }
    CString* slots[kNameSlots] = {&names.first, &names.second, &names.third};
    for (int slot = 0; slot < kNameSlots; ++slot)
        if (newest[slot]) *slots[slot] = LineField(*newest[slot], baihe ? kBaiheNameField : 0);
    return names;
}

LastNames ScanLastNamesInFile(const CString& path, int format) {
    // A block at a time: only the newest line of each name and the last line are kept, as bytes,
    // and only they are converted.
    const bool baihe = format == kBaiheFormat;
    std::string newest[kNameSlots], last;
    TakenNames taken;
    ReadFileLines(path, [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) return;
        last.assign(line);
        taken.Add(TrimmedBytes(ByteField(line, 0)));
        const int slot =
            NameSlot(baihe, [&](int field) { return ToInt(FromGbk(ByteField(line, field)).str()); });
        if (slot >= 0) newest[slot].assign(line);
    });
    std::string kept;
    for (const std::string& line : {newest[0], newest[1], newest[2], last})
        if (!line.empty()) kept.append(line).append("\n");
    LastNames names = ScanLastNames(FromGbk(kept), format);
    names.taken = std::move(taken);
    return names;
}

bool TakenNames::Holds(const CString& name) const {
    return names_.count(ToGbk(name)) != 0;
}

CString LastStoredPointName(const CString& path) {
    FileTail tail;
    if (!ReadFileTail(path, tail)) return CString();
    constexpr uint64_t kBlock = 4096;
    uint64_t from = tail.completeLength;  // where the bytes held in `unread` begin in the file
    // The lines before those looked at; ends at a line feed. A last line without one is the user's
    // when it holds a point: the next store gives it its line end.
    std::string unread = tail.tornPiece.find('\0') == std::string::npos ? tail.tornPiece + "\n" : "\n";
    for (;;) {
        size_t end = unread.size();
        while (end > 0) {
            const size_t lf = end >= 2 ? unread.rfind('\n', end - 2) : std::string::npos;
            if (lf == std::string::npos && from > 0) break;  // the line begins in an earlier block
            const size_t begin = lf == std::string::npos ? 0 : lf + 1;
            std::string_view line(unread.data() + begin, end - 1 - begin);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (HoldsPointPosition(line)) return LineField(FromGbk(line), 0).Trim();
            end = begin;
        }
        if (from == 0) return CString();
        unread.resize(end);
        const uint64_t start = from > kBlock ? from - kBlock : 0;
        std::string block;
        if (!ReadFileAt(path, start, static_cast<size_t>(from - start), block) ||
            block.size() != from - start)
            return CString();
        unread.insert(0, block);
        from = start;
    }
}
