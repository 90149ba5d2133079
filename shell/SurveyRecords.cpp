#include "shell/SurveyRecords.h"

#include "foundation/PointLines.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

CString SurveyRecords::RecordFilePath(const CString& dataFolder, const CString& pointFileName) {
    return dataFolder + pointFileName.Left(pointFileName.GetLength() - 3) + L"rec";
}

void SurveyRecords::Append(const PointRecord& point) {
    surveyed.push_back(point);
    AppendDurably(recordPath_, ToGbk(FormatRecordLine(point)));
}

void SurveyRecords::Load() {
    surveyed.clear();
    std::string bytes;
    if (!FileExists(recordPath_) || !ReadWholeFile(recordPath_, bytes)) return;
    surveyed = ParseRecordFile(FromGbk(bytes));
}
