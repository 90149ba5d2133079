#include "foundation/PointPositions.h"

#include <algorithm>

#include "platform/files/FileOps.h"

namespace {

constexpr size_t kUsualLine = 512;  // a point line is about 160 bytes as stores write it
constexpr size_t kHeadBytes = 96;   // its name, north, east and height mostly fit in this
constexpr size_t kSampleLines = 256;
constexpr double kRoomToSpare = 1.125;

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
        size_t end = bytes_.find('\n');
        if (fields > 0) {
            size_t comma = std::string::npos;
            for (int f = 0, from = 0; f < fields; ++f, from = static_cast<int>(comma) + 1)
                if ((comma = bytes_.find(',', static_cast<size_t>(from))) == std::string::npos) break;
            end = std::min(end, comma);
        }
        if (end == std::string::npos && got == count) continue;
        if (end == std::string::npos) return {};
        std::string_view line = std::string_view(bytes_).substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }
}

bool PointLineReader::Read(uint64_t offset, PointRecord& point) {
    const std::string_view line = LineFrom(offset, kUsualLine);
    return !line.empty() && ParsePointLine(line, point);
}

bool PointLineReader::ReadHead(uint64_t offset, PointRecord& point) {
    const std::string_view line = LineFrom(offset, kHeadBytes, 4);
    return !line.empty() && ParsePointLine(line, point);
}
