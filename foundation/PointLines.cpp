#include "foundation/PointLines.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "foundation/DataFileAppend.h"
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
    if (std::memchr(line.data(), '\0', line.size())) return false;
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

// A point-file line's bytes as the readers hand them on: the CR before its LF dropped; empty when it
// is no line.
std::string_view LineContent(std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

// A whole number field as ToInt reads it; the fields read are short ASCII numbers.
int FieldInt(std::string_view field) {
    wchar_t wide[32];
    const size_t n = std::min(field.size(), std::size(wide));
    for (size_t i = 0; i < n; ++i) wide[i] = static_cast<unsigned char>(field[i]);
    return ToInt(std::wstring_view(wide, n));
}

// The names a store continues from, seen line by line: only the newest line of each name is kept,
// as bytes, and only those are converted.
class NameScan {
    static constexpr int kSlotFields = 16;  // the last field NameSlot reads

public:
    explicit NameScan(int format) : baihe_(format == kBaiheFormat) {}
    void See(std::string_view line) {
        HoldNameOf(line, taken_);
        // The line is cut once up to the fields a slot is read from.
        std::string_view fields[kSlotFields + 1];
        size_t start = 0;
        for (std::string_view& field : fields) {
            if (start > line.size()) break;
            const size_t comma = std::min(line.find(',', start), line.size());
            field = line.substr(start, comma - start);
            start = comma + 1;
        }
        if (const int slot = NameSlot(baihe_, [&](int field) { return FieldInt(fields[field]); }); slot >= 0)
            newest_[slot].assign(line);
    }
    LastNames Names(const CString& lastPoint) {
        LastNames names =
            baihe_ ? LastNames{L"0", L"0", L"0", L"0", {}} : LastNames{L"J0", L"Z0", L"0", L"0", {}};
        if (!lastPoint.IsEmpty()) names.lastPoint = lastPoint;
        CString* slots[kNameSlots] = {&names.first, &names.second, &names.third};
        for (int slot = 0; slot < kNameSlots; ++slot)
            if (!newest_[slot].empty())
                *slots[slot] = LineField(FromGbk(newest_[slot]), baihe_ ? kBaiheNameField : 0);
        names.taken = std::move(taken_);
        return names;
    }

private:
    bool baihe_;
    HeldPointNames taken_;
    std::string newest_[kNameSlots];
};

}  // namespace

std::vector<CString> CutPointFileLines(const CString& text) {
    return CutLines(text);
}

bool ReadPointFileLines(const CString& path, uint64_t from, uint64_t byteLimit, const PointFileLineSink& line,
                        uint64_t* wholeLength) {
    uint64_t offset = from;
    std::string rest;
    const auto handOn = [&](std::string_view text) {
        const uint64_t start = offset;
        offset += text.size() + 1;
        if (!(text = LineContent(text)).empty()) line(text, start);
    };
    if (!ReadFileLinesFrom(path, from, byteLimit > from ? byteLimit - from : 0, handOn, rest)) return false;
    if (wholeLength) *wholeLength = offset;
    if (KeepsUnfinishedLine(rest, HoldsPointPosition)) line(LineContent(rest), offset);
    return true;
}

void CutPointFileBytes(std::string_view bytes, const PointFileLineSink& line) {
    uint64_t offset = 0;
    for (size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n')) {
        if (const std::string_view text = LineContent(bytes.substr(0, lf)); !text.empty()) line(text, offset);
        offset += lf + 1;
        bytes.remove_prefix(lf + 1);
    }
    if (KeepsUnfinishedLine(bytes, HoldsPointPosition)) line(LineContent(bytes), offset);
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
    if (!FileExists(path)) return false;
    size_t first = 0;
    if (counted || window.keepLast >= 0) {
        size_t count = 0;
        if (!ReadPointFileLines(path, 0, window.byteLimit, [&](std::string_view, uint64_t) { ++count; }))
            return false;
        first = window.keepLast < 0 ? 0 : count - std::min(count, static_cast<size_t>(window.keepLast));
        if (counted) counted(count - first);
    }
    size_t index = 0;
    return ReadPointFileLines(path, 0, window.byteLimit, [&](std::string_view text, uint64_t start) {
        if (index++ < first || (window.stop && *window.stop)) return;
        line(text, start);
    });
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

void HoldNameOf(std::string_view line, HeldPointNames& names) {
    names.Add(TrimmedBytes(ByteField(line, 0)));
}

LastNames ScanLastNames(std::string_view bytes, int format) {
    std::string lastPoint;
    NameScan scan(format);
    CutPointFileBytes(bytes, [&](std::string_view line, uint64_t) {
        scan.See(line);
        if (HoldsPointPosition(line)) lastPoint.assign(line);
    });
    return scan.Names(LineField(FromGbk(lastPoint), 0).Trim());
}

LastNames ScanLastNamesInFile(const CString& path, int format) {
    NameScan scan(format);
    uint64_t scanned = 0;
    if (!ReadPointFileLines(
            path, 0, UINT64_MAX, [&](std::string_view line, uint64_t) { scan.See(line); }, &scanned))
        return NameScan(format).Names(CString());
    LastNames names = scan.Names(LastStoredPointName(path));
    names.scannedLength = scanned;
    return names;
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
