#pragma once
// The program's own settings files: the system file (which job is current), the job file and the
// coordinate-parameter file of the current job, and the default antenna table. Every write
// replaces its file atomically; every failure is shown to the user and returned.
#include "foundation/CoordSysParams.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/LastFilesRecord.h"
#include "platform/text/CString.h"

// Named so that the two paths cannot be passed the wrong way round.
struct JobFilePaths {
    CString jobFile;    // *.qzs
    CString coordFile;  // *.qza
};

class JobSettingsFiles {
public:
    void SetVersionInfo(const CString& version, const CString& programFolder);
    void SetSystemFilePath(const CString& path) { systemFile_ = path; }
    void SetJobFilePaths(const JobFilePaths& paths) { paths_ = paths; }
    const CString& SystemFilePath() const { return systemFile_; }
    // The version text the raw record file's first line carries.
    const CString& Version() const { return version_; }
    const JobFilePaths& GetJobFilePaths() const { return paths_; }

    // Readers: false (record untouched) when the file cannot be loaded; a missing key takes its
    // "missing" default, which may differ from a new job's value.
    bool ReadSystemFile(LastFilesRecord& record) const;
    void DefaultSystemParams(LastFilesRecord& record) const;
    bool WriteSystemFile(LastFilesRecord record) const;

    bool ReadJobParams(GeneralSettingsBlock& block) const;
    void DefaultJobParams(GeneralSettingsBlock& block) const;
    bool WriteJobParams(GeneralSettingsBlock block) const;

    bool ReadCoordParams(CoordSysParams& params) const;
    void DefaultCoordParams(CoordSysParams& params) const;
    bool WriteCoordParams(CoordSysParams params) const;

    bool WriteAntennaFile(const CString& folder, const CString& fileName) const;

private:
    CString version_;
    CString programFolder_;
    CString systemFile_;
    JobFilePaths paths_;
};
