#pragma once
// The frame's point lists: the surveyed points of the current point file (its record file,
// "name,x,y,h,code" per line, only ever appended, by the store itself), the points shown on the
// main map and the coordinate view's rows of the point file.
#include <vector>

#include "foundation/PointRecord.h"
#include "foundation/RecordFile.h"
#include "platform/text/CString.h"
#include "shell/frame/BackgroundRead.h"
#include "shell/frame/DisplayPoints.h"
#include "survey/PointFileRows.h"

// The surveyed points: those loaded from the record file, then those appended since, each as the
// offset of its line (read from it when asked for); a point whose line the record file did not
// get is kept in memory.
class SurveyedPoints {
public:
    size_t size() const { return loaded_.offsets.size() + appended_.size(); }
    // An empty record when a loaded line can no longer be read.
    PointRecord operator[](size_t i) const;
    // Lines of the record file that held no record, left out by the last load.
    size_t SkippedLines() const { return loaded_.skipped; }

private:
    friend class SurveyRecords;
    static constexpr uint64_t kKept = uint64_t{1} << 63;  // marks an index into kept_
    CString path_;
    RecordFileIndex loaded_;
    uint64_t end_ = 0;  // where the record file's next line starts
    std::vector<uint64_t> appended_;
    std::vector<PointRecord> kept_;
};

class SurveyRecords {
public:
    // The record file beside a point file: the same base name with "rec".
    static CString RecordFilePath(const CString& dataFolder, const CString& pointFileName);

    void SetRecordFile(const CString& path) { recordPath_ = path; }
    const CString& RecordFile() const { return recordPath_; }
    // A stored point joins the list (its store wrote its line to the record file).
    void Append(const PointRecord& point);
    // The list from the record file; empty when it cannot be read.
    void Load();
    // The same on a worker thread, for start-up: `notify` hears `message` once the lines are read
    // and hands it to FinishLoad. Points appended meanwhile stay after the loaded ones.
    void StartLoad(HWND notify, UINT message);
    // False for a load that was dropped or replaced.
    bool FinishLoad(WPARAM number);
    // Waits up to timeoutMs for a load to end; true when none is running.
    bool WaitForLoad(int timeoutMs) { return load_.Wait(timeoutMs); }

    SurveyedPoints surveyed;
    DisplayPoints display;
    PointFileRows coordView;

private:
    CString recordPath_;
    BackgroundRead<RecordFileIndex> load_;
};
