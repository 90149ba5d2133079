#include "survey/FileLineIndex.h"

#include <cstring>

#include "foundation/DataFileAppend.h"
#include "foundation/PointLines.h"

void FileLineIndex::Feed(std::string_view piece) {
    const char* at = piece.data();
    const char* const end = at + piece.size();
    while (at < end) {
        const auto* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (!lf) {
            unfinished_.append(at, end);
            break;
        }
        std::string_view line(at, static_cast<size_t>(lf - at));
        if (!unfinished_.empty()) {
            unfinished_.append(line);
            line = unfinished_;
        }
        Take(line);
        unfinished_.clear();
        lineStart_ = fed_ + static_cast<uint64_t>(lf - piece.data()) + 1;
        at = lf + 1;
    }
    fed_ += piece.size();
}

void FileLineIndex::Expect(uint64_t totalBytes) {
    points_.ReserveLikely(lineStart_, totalBytes);
}

void FileLineIndex::TakeUnfinished() {
    if (tookUnfinished_ || !KeepsUnfinishedLine(unfinished_, HoldsPointPosition)) return;
    points_.push_back(lineStart_);
    tookUnfinished_ = true;
}

void FileLineIndex::ForgetUnfinished() {
    if (tookUnfinished_) points_.pop_back();
    tookUnfinished_ = false;
    unfinished_.clear();
    fed_ = lineStart_;
}

void FileLineIndex::Take(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return;
    (HoldsPointPosition(line) ? points_ : leftOut_).push_back(lineStart_);
}

std::string_view LineAt(std::string_view bytes, uint64_t start) {
    std::string_view line = bytes.substr(start);
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}
