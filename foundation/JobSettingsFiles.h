#pragma once
// The program's own settings files: the system file (which job is current), the job file and the
// coordinate-parameter file of the current job, and the default antenna table. Every write
// replaces its file atomically; every failure is returned, and what the user is to hear of it (or
// of a damaged file's kept copy) goes to the notice sink its owner gave.
//
// Every write of these files goes through here, and here alone is guarded: a file that a reader
// found unusable, and of which no copy could be kept, is held; it is never written while held, and
// a write to it returns false without a message (the reader told the user already). A damaged file
// whose copy is kept is written sound at once, with what could be read and defaults for the rest, so
// that the next start finds nothing to tell.
#include <functional>
#include <utility>
#include <vector>
#include "foundation/CoordSysParams.h"
#include "foundation/GeneralSettingsBlock.h"
#include "foundation/LastFilesRecord.h"
#include "foundation/SettingsTable.h"
#include "platform/text/CString.h"

// What the user is told when a file cannot be read, and when it cannot be written.
struct SettingsFileFailures {
    const wchar_t* read;
    const wchar_t* write;
};

// Named so that the two paths cannot be passed the wrong way round.
struct JobFilePaths {
    CString jobFile;    // *.qzs
    CString coordFile;  // *.qza
};

class JobSettingsFiles {
public:
    using NoticeSink = std::function<void(const CString&)>;
    // The owner decides how the user hears a notice; without a sink notices are dropped.
    void SetNoticeSink(NoticeSink tell) { tell_ = std::move(tell); }
    // The sink it replaces (see ScopedNoticeSink).
    NoticeSink ReplaceNoticeSink(NoticeSink tell) { return std::exchange(tell_, std::move(tell)); }
    void SetVersionInfo(const CString& version, const CString& programFolder);
    void SetSystemFilePath(const CString& path) { systemFile_ = path; }
    void SetJobFilePaths(const JobFilePaths& paths) { paths_ = paths; }
    const CString& SystemFilePath() const { return systemFile_; }
    // The version text the raw record file's first line carries.
    const CString& Version() const { return version_; }
    const JobFilePaths& GetJobFilePaths() const { return paths_; }

    // Readers: false (record untouched) when the file cannot be used; a missing key takes its
    // "missing" default, which may differ from a new job's value. A damaged file is read once a
    // copy of it is kept (see SettingsTable.h). `jobPathLacked`, when given, says whether the job
    // path is that default rather than the file's.
    bool ReadSystemFile(LastFilesRecord& record, bool* jobPathLacked = nullptr);
    void DefaultSystemParams(LastFilesRecord& record) const;
    bool WriteSystemFile(LastFilesRecord record) const;

    bool ReadJobParams(GeneralSettingsBlock& block);
    void DefaultJobParams(GeneralSettingsBlock& block) const;
    bool WriteJobParams(GeneralSettingsBlock block) const;

    bool ReadCoordParams(CoordSysParams& params);
    void DefaultCoordParams(CoordSysParams& params) const;
    bool WriteCoordParams(CoordSysParams params) const;

    bool WriteAntennaFile(const CString& folder, const CString& fileName) const;

    // What the owner's sink is to hear; the number told so far says whether a read told anything.
    void Tell(const CString& notice) const;
    size_t NoticesTold() const { return told_; }

    // A file that must stay as it is for the rest of the run.
    void Hold(const CString& path);
    void Release(const CString& path);
    bool Held(const CString& path) const;

private:
    bool Read(const CString& path, const SettingsTable& table, const SettingsFileFailures& failures);
    bool Write(const CString& path, const SettingsTable& table, const SettingsFileFailures& failures) const;

    CString version_;
    CString programFolder_;
    CString systemFile_;
    JobFilePaths paths_;
    std::vector<CString> held_;
    NoticeSink tell_;
    mutable size_t told_ = 0;
};

// While it lives, the files' notices go to `sink` instead of the owner's: a store tells a failed
// write in its own words, and the exit prints them, for nobody is left to answer a box.
class ScopedNoticeSink {
public:
    ScopedNoticeSink(JobSettingsFiles& files, JobSettingsFiles::NoticeSink sink)
        : files_(files), saved_(files.ReplaceNoticeSink(std::move(sink))) {}
    ~ScopedNoticeSink() { files_.ReplaceNoticeSink(std::move(saved_)); }
    ScopedNoticeSink(const ScopedNoticeSink&) = delete;
    ScopedNoticeSink& operator=(const ScopedNoticeSink&) = delete;

private:
    JobSettingsFiles& files_;
    JobSettingsFiles::NoticeSink saved_;
};
