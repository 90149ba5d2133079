#include "shell/frame/SurveyRecords.h"

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

PointRecord SurveyedPoints::operator[](size_t i) const {
    if (i >= loaded_.offsets.size()) return appended_[i - loaded_.offsets.size()];
    PointRecord point;
    if (!ReadRecordAt(path_, loaded_.offsets[i], point)) point = PointRecord{};
    return point;
}

CString SurveyRecords::RecordFilePath(const CString& dataFolder, const CString& pointFileName) {
    return dataFolder + pointFileName.Left(pointFileName.GetLength() - 3) + L"rec";
}

void SurveyRecords::Append(const PointRecord& point) {
    surveyed.appended_.push_back(point);
}

void SurveyRecords::Load() {
    load_.Stop();
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    if (FileExists(recordPath_)) IndexRecordFile(recordPath_, surveyed.loaded_);
}

void SurveyRecords::StartLoad(HWND notify, UINT message) {
    load_.Stop();
    surveyed = SurveyedPoints{};
    surveyed.path_ = recordPath_;
    FileTail tail;
    if (!ReadFileTail(recordPath_, tail) || tail.completeLength == 0) return;
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
