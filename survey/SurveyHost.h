#pragma once
// What the survey screens need of the main frame: reads of the job's settings, coordinate
// parameters and paths, the store state, the live fix and the antenna constants, and the operations
// that change them. The frame implements it; tests use a double.
#include <memory>

#include "foundation/CGpsState.h"
#include "foundation/CoordLibraryHost.h"
#include "foundation/CoordSysParams.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/PointRecord.h"
#include "foundation/PointStoreState.h"
#include "platform/base/WinTypes.h"
#include "survey/AntennaHeight.h"
#include "survey/AutoStoreTrigger.h"
#include "survey/PointFileRows.h"
#include "survey/StoreFiles.h"

class ISurveyHost {
public:
    virtual ~ISurveyHost() = default;

    // ---- reads
    virtual const GeneralSettingsBlock& Settings() const = 0;
    // The template of the next stored point and the names' series, the next name and the series
    // passed over every name the point file holds.
    virtual const PointStoreState& Store() const = 0;
    // The latest converted fix and the receiver's texts.
    virtual const CGpsState& LatestFix() const = 0;
    virtual AntennaConstants Antenna() const = 0;
    virtual StoreFilePaths StoreFiles() const = 0;
    virtual const AutoStoreState& AutoStore() const = 0;
    // A copy of the job's coordinate parameters.
    virtual CoordSysParams CoordParams() const = 0;
    virtual CString JobFolder() const = 0;
    virtual CString DataFolder() const = 0;
    // The job's coordinate library, for the screens that pick from it.
    virtual ICoordLibraryHost& CoordLibrary() const = 0;
    // The job's point file: the data folder joined with the point-file name.
    virtual CString PointFilePath() const = 0;

    // ---- operations
    // Takes the settings and writes the job file through the job's one guarded writer; false when
    // the file was not written (its writer has told the user; a job that start-up found unusable
    // is never written). The settings hold for this run either way.
    virtual bool SaveSettings(const GeneralSettingsBlock& settings) = 0;
    // Keeps the name of the point about to be stored as the system record's last name, which the
    // record's next write takes; false when it could not be kept.
    virtual bool SaveLastStoredName(const CString& name) = 0;
    // The template of the next stored point, once a store or the start of automatic storing made
    // it (its extra text is the next name).
    virtual void KeepTemplate(const SurveyPointRec& templatePoint) = 0;
    // The store window receives message 1749 after every fix until it gives the messages back.
    virtual void ListenForStore(HWND window) = 0;
    virtual void StopListeningForStore(HWND window) = 0;
    // Automatic storing on (the first fix after it is stored) or off.
    virtual void SetAutoStoring(bool on) = 0;
    virtual void ResetAutoStoreCount() = 0;
    // The handheld's prompt tone.
    virtual void PlayTone() = 0;
    // The main map's point list read again from the point file, in file order, after the file was
    // rewritten.
    virtual void ReloadDisplayPoints() = 0;
    // The coordinate view's rows of the point file, kept for the run so that the file is indexed
    // once and each opening takes in only what changed (see PointFileRows). Lent to the view while it
    // is open (fresh rows when they are out already) and given back when it closes.
    virtual std::unique_ptr<PointFileRows> LendCoordViewRows() = 0;
    virtual void GiveBackCoordViewRows(std::unique_ptr<PointFileRows> rows) = 0;
    // Tells that `skipped` lines of the data file at `path` hold nothing that could be read, once
    // for each file in a run (nothing for 0).
    virtual void TellSkippedLines(const CString& path, size_t skipped) = 0;
    // A notice that must not hold the fixes back (an automatic store that goes on): told in the
    // frame's box once the receiver line that met it is handled, at once when none is.
    virtual void TellLater(const CString& notice) = 0;
};
