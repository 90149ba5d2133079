#include "survey/StoreFiles.h"

#include "foundation/CoordLibFile.h"
#include "foundation/MissingLinesText.h"
#include "foundation/NoticeLines.h"
#include "foundation/PointLines.h"
#include "foundation/RecordFile.h"
#include "foundation/StoreJournal.h"
#include "geodesy/CoordTransform.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

namespace {
// At 20 stores a second the files are synced a little more than once a second: a store costs the
// journal's sync and a sixteenth of the files' five.
constexpr size_t kStoresPerSync = 16;
constexpr double kRadiansPerDegree = 0.01745329251994278;
constexpr int kToPacked = 0;

// The lines each file's readers take (the raw file's: HoldsRawLine); a last line without its line end
// that they would take is kept.
bool HoldsRecordLine(std::string_view line) {
    PointRecord point;
    return ParseRecordLine(line, point);
}
bool HoldsLibraryLine(std::string_view line) {
    return CoordLibLineReadable(line, CoordLibLayout::kLibrary);
}
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
    cutAside_.clear();
    const auto prepare = [&](DataFileAppend& file, const CString& path, DataFileAppend::LineCheck isLine) {
        const DataFileAppend::Prepared prepared = file.Prepare(path, isLine);
        if (prepared == DataFileAppend::Prepared::kCutAside) cutAside_.push_back(path);
        return prepared != DataFileAppend::Prepared::kFailed;
    };
    libraryReady_ = prepare(library_, paths.library, HoldsLibraryLine);
    return prepare(raw_, paths.raw, HoldsRawLine) && prepare(point_, paths.point, HoldsPointPosition) &&
           (paths.record.IsEmpty() || prepare(record_, paths.record, HoldsRecordLine));
}

StoreRecord StoreFileWriter::Record(const StoreLines& lines, const std::string& raw) const {
    StoreRecord record;
    record.pointName = lines.name;
    if (!raw.empty()) record.entries.push_back({paths_.raw, raw_.Length(), raw_.Appended(raw)});
    record.entries.push_back({paths_.point, point_.Length(), point_.Appended(ToGbk(lines.point))});
    if (!paths_.record.IsEmpty())
        record.entries.push_back({paths_.record, record_.Length(), record_.Appended(ToGbk(lines.record))});
    if (libraryReady_)
        record.entries.push_back(
            {paths_.library, library_.Length(), library_.Appended(ToGbk(lines.library))});
    return record;
}

StoreWritten StoreFileWriter::Written(StoreWrite status) const {
    return {status, {}, cutAside_};
}

void StoreFileWriter::Undo(uint64_t journalLength) {
    record_.Undo();
    point_.Undo();
    raw_.Undo();
    if (journalLength == 0)
        DeleteFile(paths_.journal);
    else
        TruncateDurably(paths_.journal, journalLength);
}

StoreWritten StoreFileWriter::Write(const StoreFilePaths& paths, const StoreLines& lines,
                                    const std::function<bool()>& saveNames) {
    // Lines appended before an earlier store's missing ones would take their place in the file. A
    // journal that kills with no start between them filled is settled first: the journal every store
    // reads never grows past one run of stores.
    const std::optional<JournalContents> journal = ReadStoreJournal(paths.journal);
    if (!journal) return {StoreWrite::kDataFailed, {}, {}};
    uint64_t journalLength = journal->wholeLength;
    size_t held = journal->records.size();
    std::optional<MissingLines> missing;
    if (held < kStoresPerSync) {
        missing = FinishStores(*journal);
    } else if (!(missing = SettleStoreJournal(paths.journal))) {
        journalLength = 0;
        held = 0;
    }
    if (missing) return {StoreWrite::kEarlierMissing, *missing, {}};
    if (!Prepare(paths) || !saveNames()) return Written(StoreWrite::kDataFailed);
    std::string raw;
    if (raw_.IsEmpty() && !lines.raw.empty())
        raw = ToGbk(RawFileHeader(paths_.program, paths_.version, paths_.base));
    for (const CString& line : lines.raw) raw += ToGbk(line);
    if (!AppendStoreRecord(paths_.journal, Record(lines, raw))) return Written(StoreWrite::kDataFailed);
    // A point file is created even by a store that writes no raw line.
    const bool rawWritten = raw.empty() || raw_.Append(raw);
    if (!rawWritten || !point_.Append(ToGbk(lines.point)) ||
        (!paths_.record.IsEmpty() && !record_.Append(ToGbk(lines.record)))) {
        Undo(journalLength);
        return Written(StoreWrite::kDataFailed);
    }
    // The journal keeps a library line that could not be written until the library has it.
    if (libraryReady_ && !library_.Append(ToGbk(lines.library))) return Written(StoreWrite::kLibraryFailed);
    // The files are synced once for a run of stores; until then the journal holds the run.
    if (held + 1 >= kStoresPerSync) SettleStoreJournal(paths_.journal);
    return Written(libraryReady_ ? StoreWrite::kStored : StoreWrite::kLibraryFailed);
}

StoreWritten WriteStoredPoint(const SurveyPointRec& point, const std::vector<StoreEpoch>& epochs,
                              const StoreFilePaths& paths, const std::function<bool()>& saveNames) {
    const std::optional<StoreLines> lines = BuildStoreLines(point, epochs);
    if (!lines) return {StoreWrite::kBadText, {}, {}};
    StoreFileWriter writer;
    return writer.Write(paths, *lines, saveNames);
}

bool StoreToTell(const StoreWritten& written) {
    return StopsAutomaticStoring(written) || !written.cutAside.empty();
}

bool StopsAutomaticStoring(const StoreWritten& written) {
    return written.status != StoreWrite::kStored;
}

CString StoreWriteText(const StoreWritten& written, bool automatic) {
    std::vector<CString> told;
    for (const CString& path : written.cutAside) told.push_back(CutAsideNotice(path));
    switch (written.status) {
        case StoreWrite::kStored:
            break;
        case StoreWrite::kBadText:
            told.push_back(L"点名和属性中不能有逗号,请重新输入!");
            break;
        case StoreWrite::kDataFailed:
            told.push_back(L"数据文件写入失败,该点没有存储!");
            break;
        case StoreWrite::kLibraryFailed:
            told.push_back(L"坐标库文件写入失败!");
            break;
        case StoreWrite::kEarlierMissing:
            told.push_back(MissingLinesText(written.missing));
            break;
    }
    if (automatic && StopsAutomaticStoring(written)) told.push_back(L"自动存储已停止");
    return NoticeLines(told);
}
