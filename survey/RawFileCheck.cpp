#include "survey/RawFileCheck.h"

#include "foundation/StoredPointLines.h"
#include "platform/files/FileOps.h"

namespace {
constexpr std::string_view kHeaderStart = "Rem ";
}  // namespace

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
