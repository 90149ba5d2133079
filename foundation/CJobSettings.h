#pragma once
// The job and system settings object the main frame owns: its settings files, the state that
// storing a point needs between screens, and the names of the job's result files. Each of these
// lives in its own part; the operations keep their familiar names here.
#include "foundation/JobResultFiles.h"
#include "foundation/JobSettingsFiles.h"
#include "foundation/PointLines.h"
#include "foundation/PointNames.h"
#include "foundation/PointStoreState.h"

#include <utility>

class CJobSettings {
public:
    JobSettingsFiles& Files() { return files_; }
    const JobSettingsFiles& Files() const { return files_; }
    PointStoreState& Store() { return store_; }
    const PointStoreState& Store() const { return store_; }
    const JobResultFiles& ResultFiles() const { return results_; }

    // Settings files.
    void SetVersionInfo(const CString& version, const CString& programFolder) {
        files_.SetVersionInfo(version, programFolder);
    }
    void SetSystemFilePath(const CString& path) { files_.SetSystemFilePath(path); }
    void SetJobFilePaths(const JobFilePaths& paths) { files_.SetJobFilePaths(paths); }
    bool ReadSystemFile(LastFilesRecord& record, bool* jobPathLacked = nullptr) {
        return files_.ReadSystemFile(record, jobPathLacked);
    }
    void DefaultSystemParams(LastFilesRecord& record) const { files_.DefaultSystemParams(record); }
    bool WriteSystemFile(LastFilesRecord record) const { return files_.WriteSystemFile(std::move(record)); }
    bool ReadJobParams(GeneralSettingsBlock& block) { return files_.ReadJobParams(block); }
    void DefaultJobParams(GeneralSettingsBlock& block) const { files_.DefaultJobParams(block); }
    bool WriteJobParams(GeneralSettingsBlock block) const { return files_.WriteJobParams(std::move(block)); }
    bool ReadCoordParams(CoordSysParams& params) { return files_.ReadCoordParams(params); }
    void DefaultCoordParams(CoordSysParams& params) const { files_.DefaultCoordParams(params); }
    bool WriteCoordParams(CoordSysParams params) const { return files_.WriteCoordParams(std::move(params)); }
    bool WriteAntennaFile(const CString& folder, const CString& fileName) const {
        return files_.WriteAntennaFile(folder, fileName);
    }

    // Point names.
    static bool NextPointName(CString& name, int step) {
        name = NextPointNameOf(name, step);
        return true;
    }
    void SetStoreOptions(double value18, double value29, double value30, const CString& refText,
                         int refNumber, double refHeight, const CString& text28) {
        store_.SetStoreOptions(value18, value29, value30, refText, refNumber, refHeight, text28);
    }
    CString GetLastNames(TextTriple& names) const { return store_.GetLastNames(names); }
    void ResetPointNames() { store_.ResetPointNames(); }
    void SetStoreNames(const TextTriple& names, const CString& name, double antennaHeight, int advance) {
        store_.SetStoreNames(names, name, antennaHeight, advance);
    }
    // The last names of a point file, scanned by the job's record `format` (JobRecordFormat): the
    // names move on past them and past every name the file holds (see
    // PointStoreState::AdvanceLoadedNames).
    void LoadRecSaveNames(const LastNames& last, int format);
    // The series N, and J and Z where the job's record `format` makes them names, passed over every
    // name `held` holds.
    static TextTriple FreeSeries(const HeldPointNames& held, TextTriple series, int format);
    void SetNameAffixes(const CString& suffix, const CString& prefix) {
        store_.SetNameAffixes(suffix, prefix);
    }
    void GetNameAffixes(CString& suffix, CString& prefix) const { store_.GetNameAffixes(suffix, prefix); }

    // Result files.
    void SetResultFileNames(const CString& folder, const CString& fileName) {
        results_.SetResultFileNames(folder, fileName);
    }

private:
    JobSettingsFiles files_;
    PointStoreState store_;
    JobResultFiles results_;
};
