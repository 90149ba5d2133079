#pragma once
// The current job in memory: its paths, the job settings object, the settings block (*.qzs), the
// coordinate parameters (*.qza) and the system record (qzsys.sys). A damaged file is kept as
// "<name>.bad" when read and written sound in its place (see JobSettingsFiles); one of which no copy
// could be kept is never written: the program then runs on the default job, and the system file
// keeps naming the job. Its records are its own: read through const accessors, changed only
// through its operations.
#include <functional>
#include <optional>
#include <vector>

#include "foundation/CJobSettings.h"
#include "foundation/CoordSysParams.h"
#include "foundation/FollowedPointNames.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/LastFilesRecord.h"
#include "foundation/PointLines.h"
#include "foundation/ProgramFolder.h"
#include "platform/text/CString.h"

struct JobPaths {
    CString programFolder = kProgramFolder;
    CString setupFolder = L"\\Program Files\\";  // where "AntType.at" lies
    CString jobFolder;                           // ends in "\"
    CString dataFolder;                          // job folder + "data\"
    CString resultFolder;                        // job folder + "result\"
    CString dataFileName;                        // the system record's szDataFile
    CString jobFileName;                         // *.qzs
    CString coordFileName;                       // *.qza

    CString JobFile() const { return jobFolder + jobFileName; }
};

// What a report of the receiver or of its data-link module says of the job's data link; what it
// does not say stays as the settings have it.
struct DataLinkReport {
    std::optional<DataLinkKind> kind;
    std::optional<int> channel;            // the radio's channel
    std::optional<NetModuleSettings> net;  // the network module's settings
};

class JobSession {
public:
    static constexpr const wchar_t* kAntennaFile = L"AntType.at";
    using NoticeSink = JobSettingsFiles::NoticeSink;

    // The program's notices of its settings files: a box.
    static void TellInBox(const CString& notice);
    // The files it writes carry `softwareVersion`; their notices go to `tell`.
    explicit JobSession(const CString& softwareVersion, NoticeSink tell = TellInBox);

    // Reads (or on a first run writes) the system file, the current job's files and the antenna
    // table, creating the job's folders; every failure and repair goes to the notice sink, and after
    // a damaged system file or an unusable job, which job is open.
    void LoadAtStartup();
    // A store of the job that a kill cut short is finished, and the user told once: its journal goes
    // once the notice is shown (at once outside start-up), so that a start killed before then tells it
    // at the next start.
    void FinishInterruptedStore();
    // The start's notices have been shown.
    void StartNoticesShown();
    // The stores still in the job's journal are synced into its files and the journal goes (see
    // StoreJournal.h): the job is being left.
    void CloseStores();
    // The store continues after the point file's last stored point (the system record's last name
    // when the file holds none), with the record's series and the job's name affixes.
    void StartPointNames();
    // The last point names and name affixes go back to the files, where they may be written.
    void SaveAtExit();
    // The user chose a job: the system file may name it, unless the file itself was unusable.
    void ChoseJob();

    // ---- The one writer of the system file ("qzsys.sys" in the program folder), of the job's
    // settings file and of its coordinate-parameter file: the file is written first, and memory
    // changes only when the write succeeded. False when it did not (the files' notice sink has told
    // the user): nothing changed. A system file that start-up found unusable is held: it is never
    // written, and the record changes for this run only.
    bool StoreSystem(const LastFilesRecord& changed);
    bool StoreSettings(const GeneralSettingsBlock& changed);
    // The settings' data link takes what `report` says, through StoreSettings; a report the settings
    // already say writes nothing (the receiver repeats its version reply). False when the write
    // failed: nothing changed, and the next report tries again.
    bool StoreDataLink(const DataLinkReport& report);
    // Once stored, the parameters are re-applied to the converters (see OnCoordParamsChanged).
    bool StoreCoordParams(const CoordSysParams& changed);
    // The store's last name and its J, Z and N series. The name alone is a hint that waits in the
    // record for its next write (a job change, the exit): a start takes the last name from the
    // journal and the point file. Series that moved are in no line a start reads: they go through
    // StoreSystem, whose failure is not told here, for the store tells it in its own words.
    bool StoreLastNames(const CString& lastName, const TextTriple& series);
    // A job read from its files becomes current: its settings and parameters, with what follows each.
    void TakeLoaded(const GeneralSettingsBlock& loadedSettings, const CoordSysParams& loadedCoord);
    // What follows each change in memory: the frame hands the parser the settings' time zone and
    // re-applies the converters.
    void OnSettingsChanged(std::function<void(const GeneralSettingsBlock&)> follow) {
        settingsChanged_ = std::move(follow);
    }
    void OnCoordParamsChanged(std::function<void(const CoordSysParams&)> follow) {
        coordChanged_ = std::move(follow);
    }

    // ---- Which files are the job's; nothing is read or written.
    // The paths of the job file `jobFilePath` with the point file `dataFileName`; its settings and
    // coordinate-parameter files are read and written there from now on.
    void UseJobPaths(const CString& jobFilePath, const CString& dataFileName);
    // The point file `name` of the job's data folder, and the result files named after it.
    void UsePointFile(const CString& name);
    // The spare parameter record takes a new job's values: the new-job wizard starts from it.
    void ResetSpareCoordParams();

    // ---- What storing a point carries from one store to the next (PointStoreState).
    // The last stored name and series; the next name follows the last, at the antenna height given.
    void SetPointNames(const TextTriple& series, const CString& lastName, double antennaHeight);
    // The last names a point file holds, scanned by the job's record `format`: the names move on
    // past them and past every name the file holds.
    void ContinuePointNames(LastNames last, int format);
    // What storing a point carries, its next name passed over every name the point file holds now,
    // whoever stored them (read as far as the file grew since the last proposal).
    const PointStoreState& ProposeFreeNames();
    // The power-line screens' J, Z and N series passed over the same names, by the job's record
    // format.
    TextTriple FreeSeries(const TextTriple& series);
    // The point file was rewritten (an edit in the coordinate view): the next proposal reads it whole.
    void PointFileRewritten();
    // The point the next store starts from.
    void KeepTemplate(const SurveyPointRec& templatePoint);
    // A store outside the store path (the power-line screens): the next name, the series and its result.
    void TakeStoredNames(const CString& next, const TextTriple& series, const StoredPointResult& result);

    // ---- Reads.
    const JobPaths& Paths() const { return paths_; }
    const GeneralSettingsBlock& Settings() const { return settings_; }
    const CoordSysParams& CoordParams() const { return coord_; }
    // The record the new-job wizard starts from.
    const CoordSysParams& SpareCoordParams() const { return coord2_; }
    const LastFilesRecord& SystemRecord() const { return system_; }
    // What storing a point carries from one store to the next: names, template, last result.
    const PointStoreState& PointStore() const { return jobs_.Store(); }
    // The data folder joined with the point-file name.
    CString PointFilePath() const;
    const JobResultFiles& ResultFiles() const { return jobs_.ResultFiles(); }
    // The version text the raw record file's first line carries.
    const CString& SoftwareVersion() const { return jobs_.Files().Version(); }
    // The files the open job writes, which no file it saves or makes may replace: the point, raw,
    // record (`recordFile`, the surveyed list's) and library files, the job's settings file, its
    // coordinate-parameter file and the system file.
    std::vector<CString> OwnFiles(const CString& recordFile) const;
    // What a new job starts from: a new job's value for every key of the files; what the job file
    // keeps no key for (the radio channel, the network module's settings) stays as this job has it.
    GeneralSettingsBlock NewJobSettings() const;
    CoordSysParams NewJobCoordParams() const;
    // The two files of the job at `jobFile` into scratch records, the current job left as it is: a
    // missing file gives a new job's values; false when one cannot be read (the reader told the user).
    bool ReadJobFiles(const CString& jobFile, GeneralSettingsBlock& settings, CoordSysParams& coord) const;

private:
    // "<job>.qzj" beside the job's settings file.
    CString JournalPath() const;
    // The settings in memory, with what follows their change.
    void UseSettings(const GeneralSettingsBlock& changed);
    // Paths, folders, job and coordinate files of the system record's job; false when unusable.
    bool OpenCurrentJob();
    // Finishes a store a kill cut short and tells it; true when a finish was told and its journal,
    // which owes the notice until then, is to go once the notice is shown.
    bool RepairInterruptedStore();

    JobPaths paths_;
    CJobSettings jobs_;
    GeneralSettingsBlock settings_;
    CoordSysParams coord_;
    CoordSysParams coord2_;
    LastFilesRecord system_;
    // Nothing is written back before start-up has read the files.
    bool loaded_ = false;
    std::function<void(const GeneralSettingsBlock&)> settingsChanged_;
    std::function<void(const CoordSysParams&)> coordChanged_;
    bool systemUnusable_ = false;
    // Start-up finished a store whose notice waits to be shown.
    bool repairUntold_ = false;
    FollowedPointNames pointNames_;
};
