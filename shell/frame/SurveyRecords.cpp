#include "shell/frame/SurveyRecords.h"

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

PointRecord SurveyedPoints::operator[](size_t i) const {
    const uint64_t at =
        i < loaded_.offsets.size() ? loaded_.offsets[i] : appended_[i - loaded_.offsets.size()];
    if (at & kKept) return kept_[at & ~kKept];
    PointRecord point;
    if (!ReadRecordAt(path_, at, point)) point = PointRecord{};
    return point;
}

CString SurveyRecords::RecordFilePath(const CString& dataFolder, const CString& pointFileName) {
    return dataFolder + pointFileName.Left(pointFileName.GetLength() - 3) + L"rec";
}

void SurveyRecords::Append(const PointRecord& point) {
    SurveyedPoints& list = surveyed;
    // The store has appended the point's line: the file grew by it.
    FileTail tail;
    const bool read = ReadFileTail(recordPath_, tail);
    if (read && tail.completeLength == list.end_ + ToGbk(FormatRecordLine(point)).size()) {
        list.appended_.push_back(list.end_);
    } else {
        list.appended_.push_back(SurveyedPoints::kKept | list.kept_.size());
        list.kept_.push_back(point);
    }
    if (read) list.end_ = tail.completeLength;
}

void SurveyRecords::Load() {
    load_.Stop();
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    FileTail tail;
    if (ReadFileTail(recordPath_, tail)) surveyed.end_ = tail.completeLength;
    if (FileExists(recordPath_)) IndexRecordFile(recordPath_, surveyed.loaded_);
}

void SurveyRecords::StartLoad(HWND notify, UINT message) {
    load_.Stop();
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    FileTail tail;
    if (!ReadFileTail(recordPath_, tail) || tail.completeLength == 0) return;
    surveyed.end_ = tail.completeLength;
    load_.Start([path = recordPath_, limit = tail.completeLength](
                    RecordFileIndex& index,
                    const std::atomic<bool>& stop) { IndexRecordFile(path, index, limit, &stop); },
                notify, message);
}

bool SurveyRecords::FinishLoad(WPARAM number) {
    std::optional<RecordFileIndex> index = load_.Finish(number);
    if (!index) return false;
    surveyed.loaded_ = std::move(*index);
    return true;
}
