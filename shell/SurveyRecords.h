#pragma once
// The frame's two point lists: the surveyed points of the current point file (its record file,
// "name,x,y,h,code" per line, only ever appended) and the points shown on the main map.
#include <vector>

#include "foundation/PointRecord.h"
#include "platform/text/CString.h"

class SurveyRecords {
public:
    // The record file beside a point file: the same base name with "rec".
    static CString RecordFilePath(const CString& dataFolder, const CString& pointFileName);

    void SetRecordFile(const CString& path) { recordPath_ = path; }
    const CString& RecordFile() const { return recordPath_; }
    // The point joins the list; the line is appended whole or not at all (the point then stays
    // in the list only).
    void Append(const PointRecord& point);
    // The list from the record file; empty when it cannot be read.
    void Load();

    std::vector<PointRecord> surveyed;
    std::vector<PointRecord> display;

private:
    CString recordPath_;
};
