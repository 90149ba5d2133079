#include "foundation/RecordFile.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"
#include "platform/text/Numbers.h"

namespace {

constexpr size_t kUsualLine = 256;        // a record line is at most 200 bytes when written
constexpr size_t kLinesToJudgeBy = 1024;  // lines read before the room for all is made

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimmedLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Trimmed(std::string_view s) {
    s = TrimmedLeft(s);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The whole field (blanks around it aside) is one finite decimal number.
bool ReadNumber(std::string_view field, double& value) {
    field = Trimmed(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    // A second sign is no number; the quick reader would take it.
    if (field.empty() || field.front() == '+') return false;
    if (ReadShortDecimal(field, value)) return true;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value, std::chars_format::general);
    return error == std::errc() && stop == end && std::isfinite(value);
}

// Field `index` of a line cut at ","; a field past the last is absent. GBK never uses "," as
// the second byte of a character, so the bytes can be cut before converting.
bool Field(std::string_view line, int index, std::string_view& field) {
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return false;
        start = comma + 1;
    }
    field = line.substr(start, line.find(',', start) - start);
    return true;
}

std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool HasRecord(std::string_view line, double& x, double& y, double& h) {
    std::string_view fx, fy, fh;
    return Field(line, 1, fx) && Field(line, 2, fy) && Field(line, 3, fh) && ReadNumber(fx, x) &&
           ReadNumber(fy, y) && ReadNumber(fh, h);
}

}  // namespace

bool ParseRecordLine(std::string_view line, PointRecord& point) {
    line = TrimmedLeft(line);
    double x = 0.0, y = 0.0, h = 0.0;
    if (!HasRecord(line, x, y, h)) return false;
    std::string_view name, code;
    Field(line, 0, name);
    if (!Field(line, 4, code)) code = {};
    point = PointRecord{};
    point.name = FromGbk(TrimmedLeft(name));
    point.x = x;
    point.y = y;
    point.h = h;
    point.code = FromGbk(TrimmedLeft(code));
    return true;
}

bool IndexRecordFile(const CString& path, RecordFileIndex& index, uint64_t byteLimit,
                     const std::atomic<bool>* stop) {
    index = {};
    uint64_t offset = 0;
    bool ended = false;
    const bool read = ReadFileLines(
        path,
        [&](std::string_view line) {
            const uint64_t start = offset;
            offset += line.size() + 1;
            line = WithoutCr(line);
            if (ended || (stop && *stop)) return;
            if (line.empty()) {
                ended = true;
                return;
            }
            double x, y, h;
            if (HasRecord(TrimmedLeft(line), x, y, h))
                index.offsets.push_back(start);
            else
                ++index.skipped;
            if (index.offsets.size() == kLinesToJudgeBy && byteLimit != UINT64_MAX)
                index.offsets.ReserveLikely(offset, byteLimit);
        },
        byteLimit);
    if (!read) index = {};
    index.offsets.FitRoom();
    return read;
}

bool ReadRecordAt(const CString& path, uint64_t offset, PointRecord& point) {
    std::string bytes;
    size_t lf = std::string::npos;
    // The index holds only lines ended by a line feed; a longer one than usual is read again whole.
    for (size_t count = kUsualLine; lf == std::string::npos; count *= 16) {
        if (!ReadFileAt(path, offset, count, bytes)) return false;
        lf = bytes.find('\n');
        if (lf == std::string::npos && bytes.size() < count) return false;
    }
    return ParseRecordLine(WithoutCr(std::string_view(bytes).substr(0, lf)), point);
}
