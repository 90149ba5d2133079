#include "foundation/PointPositions.h"

#include <algorithm>

#include "platform/files/FileOps.h"

namespace {

constexpr size_t kUsualLine = 512;  // a point line is about 160 bytes as stores write it
constexpr size_t kHeadBytes = 96;   // its name, north, east and height mostly fit in this
constexpr int kHeadFields = 4;
// A read's cost is mostly the call: a block this long costs about three short reads, and holds the
// heads of fifty lines or so.
constexpr size_t kBlockBytes = 8192;
constexpr size_t kSampleLines = 256;
constexpr double kRoomToSpare = 1.125;

// Where the line at the start of `bytes` ends, or the comma after its field `fields` - 1 when
// `fields` is given and that comes first; npos when `bytes` does not reach either.
size_t LineEnd(std::string_view bytes, int fields) {
    const size_t end = bytes.find('\n');
    size_t comma = std::string_view::npos;
    for (int f = 0, from = 0; f < fields; ++f, from = static_cast<int>(comma) + 1)
        if ((comma = bytes.find(',', static_cast<size_t>(from))) == std::string_view::npos) break;
    return std::min(end, comma);
}

std::string_view LineBefore(std::string_view bytes, size_t end) {
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

bool ReadPointPositions(const CString& path, std::vector<PointPosition>& positions,
                        const PointFileWindow& window) {
    positions.clear();
    positions.shrink_to_fit();
    FileTail tail;
    const uint64_t bytes = ReadFileTail(path, tail) ? std::min(window.byteLimit, tail.completeLength) : 0;
    size_t lines = 0;
    uint64_t first = 0;
    const bool read = ReadWindowLines(path, window, {}, [&](std::string_view line, uint64_t offset) {
        // Room for the rest at the length of the first lines, so that the list is not copied as it
        // grows: a season's list is tens of megabytes.
        if (++lines == 1) first = offset;
        if (lines == kSampleLines && bytes > offset) {
            const double perLine = static_cast<double>(offset - first) / static_cast<double>(lines - 1);
            size_t room =
                lines + static_cast<size_t>(static_cast<double>(bytes - offset) / perLine * kRoomToSpare);
            if (window.keepLast >= 0) room = std::min(room, static_cast<size_t>(window.keepLast));
            positions.reserve(room);
        }
        PointPosition p;
        if (ReadPointPosition(line, p.n, p.e)) {
            p.offset = offset;
            positions.push_back(p);
        } else if (window.skipped) {
            ++*window.skipped;
        }
    });
    if (!read) positions.clear();
    // Room never written costs no memory; a list grown past its estimate is cut to size.
    if (positions.capacity() - positions.size() > positions.size() / 4) positions.shrink_to_fit();
    return read;
}

PointLineReader::PointLineReader(const CString& path) {
    file_.Open(path, CFile::modeRead);
}

std::string_view PointLineReader::LineFrom(uint64_t offset, size_t firstRead, int fields) {
    if (!file_.IsOpen()) return {};
    // A line longer than the first read is read again whole, or up to the fields asked for.
    for (size_t count = firstRead;; count *= 16) {
        bytes_.resize(count);
        const UINT got = file_.ReadAt(offset, bytes_.data(), static_cast<UINT>(count));
        bytes_.resize(got);
        const size_t end = LineEnd(bytes_, fields);
        if (end == std::string::npos && got == count) continue;
        if (end == std::string::npos) return {};
        return LineBefore(bytes_, end);
    }
}

std::string_view PointLineReader::HeadFrom(uint64_t offset, LineBlock& ahead) {
    if (!file_.IsOpen()) return {};
    for (const bool fresh : {false, true}) {
        if (fresh) {
            ahead.bytes.resize(kBlockBytes);
            ahead.bytes.resize(file_.ReadAt(offset, ahead.bytes.data(), static_cast<UINT>(kBlockBytes)));
            ahead.at = offset;
        }
        if (offset < ahead.at || offset - ahead.at >= ahead.bytes.size()) continue;
        const std::string_view from = std::string_view(ahead.bytes).substr(offset - ahead.at);
        if (const size_t end = LineEnd(from, kHeadFields); end != std::string_view::npos)
            return LineBefore(from, end);
    }
    // A head longer than the block is read as the reader reads it alone.
    return LineFrom(offset, kHeadBytes, kHeadFields);
}

bool PointLineReader::Read(uint64_t offset, PointRecord& point) {
    const std::string_view line = LineFrom(offset, kUsualLine);
    return !line.empty() && ParsePointLine(line, point);
}

bool PointLineReader::ReadHead(uint64_t offset, PointRecord& point, LineBlock* ahead) {
    const std::string_view line =
        ahead ? HeadFrom(offset, *ahead) : LineFrom(offset, kHeadBytes, kHeadFields);
    return !line.empty() && ParsePointLine(line, point);
}
