#include "survey/RawFileCheck.h"

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"

namespace {
constexpr int kDateField = 12;
constexpr std::string_view kHeaderStart = "Rem ";
}  // namespace

bool HoldsRawRecord(std::string_view line) {
    if (!HoldsPointPosition(line)) return false;
    size_t at = 0;
    for (int field = 0; field < kDateField; ++field) {
        at = line.find(',', at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return at < line.size() && line[at] != ',';
}

DataFileRead CheckRawFile(const CString& path, const std::atomic<bool>* stop) {
    if (!FileExists(path)) return {DataFileStatus::kMissing};
    DataFileRead read;
    const bool whole = ReadFileLines(path, [&](std::string_view line) {
        if (stop && *stop) return;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && !line.starts_with(kHeaderStart) && !HoldsRawRecord(line)) ++read.skipped;
    });
    if (!whole) read.status = DataFileStatus::kUnreadable;
    return read;
}
