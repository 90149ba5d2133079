#include "survey/StoreFiles.h"

#include "foundation/PointLines.h"
#include "foundation/StoreJournal.h"
#include "geodesy/CoordTransform.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr int kToPacked = 0;
}  // namespace

std::optional<StoreLines> BuildStoreLines(const SurveyPointRec& point,
                                          const std::vector<StoreEpoch>& epochs) {
    const CCoordTransform angles;
    StoreLines lines;
    lines.name = point.name;
    for (const StoreEpoch& epoch : epochs) {
        const double b = angles.ConvertDmsAngle(epoch.fix.latitude * kRadiansPerDegree, kToPacked);
        const double l = angles.ConvertDmsAngle(epoch.fix.longitude * kRadiansPerDegree, kToPacked);
        std::optional<CString> raw = RawRecordLine(point, epoch.fix, b, l, epoch.tail);
        if (!raw) return std::nullopt;
        lines.raw.push_back(std::move(*raw));
    }
    std::optional<CString> pointLine = PointFileLine(point);
    std::optional<CString> libraryLine = StoredLibraryLine(point);
    if (!pointLine || !libraryLine) return std::nullopt;
    lines.point = std::move(*pointLine);
    lines.library = std::move(*libraryLine);
    lines.record = FormatRecordLine({point.name, point.pointX, point.pointY, point.pointH, point.code, 0});
    return lines;
}

bool StoreFileWriter::Prepare(const StoreFilePaths& paths) {
    paths_ = paths;
    libraryReady_ = library_.Prepare(paths.library);
    return raw_.Prepare(paths.raw) && point_.Prepare(paths.point) &&
           (paths.record.IsEmpty() || record_.Prepare(paths.record));
}

bool StoreFileWriter::WriteJournal(const StoreLines& lines, const std::string& raw) {
    if (paths_.journal.IsEmpty()) return true;
    StoreJournal journal;
    journal.pointName = lines.name;
    if (!raw.empty()) journal.entries.push_back({paths_.raw, raw_.Length(), raw});
    journal.entries.push_back({paths_.point, point_.Length(), ToGbk(lines.point)});
    if (!paths_.record.IsEmpty())
        journal.entries.push_back({paths_.record, record_.Length(), ToGbk(lines.record)});
    if (libraryReady_) journal.entries.push_back({paths_.library, library_.Length(), ToGbk(lines.library)});
    return AtomicRewrite(paths_.journal, EncodeStoreJournal(journal));
}

void StoreFileWriter::Undo() {
    record_.Undo();
    point_.Undo();
    raw_.Undo();
    if (!paths_.journal.IsEmpty()) DeleteFile(paths_.journal);
}

StoreWrite StoreFileWriter::Write(const StoreLines& lines) {
    std::string raw;
    if (raw_.IsEmpty() && !lines.raw.empty())
        raw = ToGbk(RawFileHeader(paths_.program, paths_.version, paths_.base));
    for (const CString& line : lines.raw) raw += ToGbk(line);
    if (!WriteJournal(lines, raw)) return StoreWrite::kDataFailed;
    // A point file is created even by a store that writes no raw line.
    const bool rawWritten = raw.empty() || raw_.Append(raw);
    if (!rawWritten || !point_.Append(ToGbk(lines.point)) ||
        (!paths_.record.IsEmpty() && !record_.Append(ToGbk(lines.record)))) {
        Undo();
        return StoreWrite::kDataFailed;
    }
    const bool libraryWritten = libraryReady_ && library_.Append(ToGbk(lines.library));
    // Left behind, the journal is only finished again: every file already holds its lines.
    if (!paths_.journal.IsEmpty()) DeleteFile(paths_.journal);
    return libraryWritten ? StoreWrite::kStored : StoreWrite::kLibraryFailed;
}

StoreWrite WriteStoredPoint(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs,
                            const StoreFilePaths& paths, const std::function<bool()>& saveNames) {
    const std::optional<StoreLines> lines = BuildStoreLines(point, epochs);
    if (!lines) return StoreWrite::kBadText;
    StoreFileWriter writer;
    if (!writer.Prepare(paths) || !saveNames()) return StoreWrite::kDataFailed;
    return writer.Write(*lines);
}

CString StoreWriteText(StoreWrite written) {
    switch (written) {
        case StoreWrite::kBadText:
            return L"点名和属性中不能有逗号,请重新输入!";
        case StoreWrite::kDataFailed:
            return L"数据文件写入失败,该点没有存储!";
        case StoreWrite::kLibraryFailed:
            return L"坐标库文件写入失败!";
        default:
            return L"";
    }
}
