#include "shell/frame/SurveyRecords.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

PointRecord SurveyedPoints::operator[](size_t i) const {
    PointRecord point;
    const size_t loaded = loaded_.offsets.size();
    if (i < loaded) {
        if (!ReadRecordAt(path_, loaded_.offsets[i], point)) point = PointRecord{};
        return point;
    }
    const size_t appended = i - loaded;
    if (appended_[appended] == 0) {
        const auto kept = std::lower_bound(kept_.begin(), kept_.end(), appended,
                                           [](const auto& entry, size_t at) { return entry.first < at; });
        return kept->second;
    }
    const auto run = std::prev(std::upper_bound(runs_.begin(), runs_.end(), appended,
                                                [](size_t at, const LineRun& r) { return at < r.first; }));
    uint64_t at = run->offset;
    for (size_t k = run->first; k < appended; ++k) at += appended_[k];
    if (!ReadRecordAt(path_, at, point)) point = PointRecord{};
    return point;
}

void SurveyedPoints::AppendLine(size_t length) {
    if (!runOpen_) runs_.push_back({appended_.size(), end_});
    runOpen_ = true;
    appended_.push_back(static_cast<uint16_t>(length));
}

void SurveyedPoints::Keep(const PointRecord& point) {
    kept_.emplace_back(appended_.size(), point);
    appended_.push_back(0);
    runOpen_ = false;
}

CString SurveyRecords::RecordFilePath(const CString& dataFolder, const CString& pointFileName) {
    return dataFolder + pointFileName.Left(pointFileName.GetLength() - 3) + L"rec";
}

void SurveyRecords::Append(const PointRecord& point) {
    SurveyedPoints& list = surveyed;
    // The store has appended the point's line: the file grew by it.
    FileTail tail;
    const bool read = ReadFileTail(recordPath_, tail);
    const size_t length = ToGbk(FormatRecordLine(point)).size();
    if (read && tail.completeLength == list.end_ + length && length <= UINT16_MAX)
        list.AppendLine(length);
    else
        list.Keep(point);
    if (read) list.end_ = tail.completeLength;
}

void SurveyRecords::Load() {
    load_.Stop();
    unindexed_ = 0;
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    FileTail tail;
    if (ReadFileTail(recordPath_, tail)) surveyed.end_ = tail.completeLength;
    if (FileExists(recordPath_)) IndexRecordFile(recordPath_, surveyed.loaded_);
}

void SurveyRecords::BeginLoad() {
    load_.Stop();
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    FileTail tail;
    if (ReadFileTail(recordPath_, tail)) surveyed.end_ = tail.completeLength;
    unindexed_ = surveyed.end_;
}

void SurveyRecords::StartLoad(HWND notify, UINT message) {
    // Only the lines the list began with: those stored since are in it already.
    const uint64_t limit = std::exchange(unindexed_, 0);
    if (limit == 0) return;
    load_.Start(
        [path = surveyed.path_, limit](RecordFileIndex& index, const std::atomic<bool>& stop) {
            IndexRecordFile(path, index, limit, &stop);
        },
        notify, message);
}

bool SurveyRecords::FinishLoad(WPARAM number) {
    std::optional<RecordFileIndex> index = load_.Finish(number);
    if (!index) return false;
    surveyed.loaded_ = std::move(*index);
    return true;
}
