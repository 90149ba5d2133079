#pragma once
// The frame's point lists: the surveyed points of the current point file (its record file,
// "name,x,y,h,code" per line, only ever appended, by the store itself), the points shown on the
// main map and the coordinate view's rows of the point file.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "foundation/PointRecord.h"
#include "foundation/RecordFile.h"
#include "platform/text/CString.h"
#include "shell/frame/BackgroundRead.h"
#include "shell/frame/DisplayPoints.h"
#include "survey/PointFileRows.h"

// The surveyed points: those loaded from the record file, then those appended since. A loaded point
// is the offset of its line; the lines appended in this run lie one after another, so each needs only
// its length, and a run of them begins wherever the file held something else. A point whose line the
// record file did not get is kept in memory. Every line is read from the file when asked for.
class SurveyedPoints {
public:
    size_t size() const { return loaded_.offsets.size() + appended_.size(); }
    // An empty record when a line can no longer be read.
    PointRecord operator[](size_t i) const;
    // Lines of the record file that held no record, left out by the last load.
    size_t SkippedLines() const { return loaded_.skipped; }

private:
    friend class SurveyRecords;
    struct LineRun {
        size_t first;     // the appended point whose line begins it
        uint64_t offset;  // where that line starts
    };
    void AppendLine(size_t length);
    void Keep(const PointRecord& point);

    CString path_;
    RecordFileIndex loaded_;
    uint64_t end_ = 0;                // where the record file's next line starts
    std::vector<uint16_t> appended_;  // each appended point's line length; 0 when kept
    std::vector<LineRun> runs_;
    bool runOpen_ = false;                              // the next appended line follows the last one
    std::vector<std::pair<size_t, PointRecord>> kept_;  // by appended index, in order
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
    // The same in two steps, for start-up: the list begins with the record file as it stands, its
    // lines still to index; points appended from then on follow them, however late the index runs.
    void BeginLoad();
    // Indexes the lines BeginLoad left on a worker thread: `notify` hears `message` once they are
    // read and hands it to FinishLoad. Nothing when there are none or the list was loaded since.
    void StartLoad(HWND notify, UINT message);
    // False for a load that was dropped or replaced.
    bool FinishLoad(WPARAM number);
    // Waits up to timeoutMs for a load to end; true when none is running.
    bool WaitForLoad(int timeoutMs) { return load_.Wait(timeoutMs); }

    SurveyedPoints surveyed;
    DisplayPoints display;
    // Null while lent to the coordinate view.
    std::unique_ptr<PointFileRows> coordView = std::make_unique<PointFileRows>();

private:
    CString recordPath_;
    uint64_t unindexed_ = 0;  // how much of the record file BeginLoad left to index
    BackgroundRead<RecordFileIndex> load_;
};
