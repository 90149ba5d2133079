#include "foundation/PointPositions.h"

#include <algorithm>

#include "platform/text/Numbers.h"

namespace {

constexpr size_t kUsualLine = 512;  // a point line is about 160 bytes as stores write it

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A field's bytes as ReadFiniteNumber reads the field's text. A byte of a two-byte character (or one
// the converter replaces) makes the text hold a character that is no digit, so such a field is no
// number; the rest is ASCII, the same in both.
bool ReadNumberBytes(std::string_view field, double& value) {
    while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
    constexpr size_t kLongest = 63;
    if (field.empty() || field.size() > kLongest) return false;
    wchar_t wide[kLongest];
    for (size_t i = 0; i < field.size(); ++i) {
        if (static_cast<unsigned char>(field[i]) >= 0x80) return false;
        wide[i] = static_cast<wchar_t>(field[i]);
    }
    return ReadFiniteNumber(std::wstring_view(wide, field.size()), value);
}

}  // namespace

bool ReadPointPosition(std::string_view line, double& n, double& e) {
    // Fields are cut at "," in the bytes: GBK never uses it as a second byte, and the converter keeps
    // every "," of a line whatever stands around it.
    std::string_view fields[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        if (start > line.size()) return false;
        const size_t comma = std::min(line.find(',', start), line.size());
        fields[i] = line.substr(start, comma - start);
        start = comma + 1;
    }
    double h = 0.0;
    return ReadNumberBytes(fields[1], n) && ReadNumberBytes(fields[2], e) && ReadNumberBytes(fields[3], h);
}

bool ReadPointPositions(const CString& path, std::vector<PointPosition>& positions,
                        const PointFileWindow& window) {
    positions.clear();
    const bool read = ReadWindowLines(path, window, {}, [&](std::string_view line, uint64_t offset) {
        PointPosition p;
        if (ReadPointPosition(line, p.n, p.e)) {
            p.offset = offset;
            positions.push_back(p);
        } else if (window.skipped) {
            ++*window.skipped;
        }
    });
    if (!read) positions.clear();
    positions.shrink_to_fit();
    return read;
}

PointLineReader::PointLineReader(const CString& path) {
    file_.Open(path, CFile::modeRead);
}

bool PointLineReader::Read(uint64_t offset, PointRecord& point) {
    if (!file_.IsOpen()) return false;
    size_t lf = std::string::npos;
    // A line longer than usual is read again whole.
    for (size_t count = kUsualLine; lf == std::string::npos; count *= 16) {
        bytes_.resize(count);
        const UINT got = file_.ReadAt(offset, bytes_.data(), static_cast<UINT>(count));
        bytes_.resize(got);
        lf = bytes_.find('\n');
        if (lf == std::string::npos && got < count) return false;
    }
    std::string_view line = std::string_view(bytes_).substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return !line.empty() && ParsePointLine(line, point);
}
