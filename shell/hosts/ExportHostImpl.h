#pragma once
// The results exports' host: the current job's paths, read-only.
#include "export/ExportHost.h"
#include "foundation/JobResultFiles.h"
#include "shell/frame/JobSession.h"

class ExportHostImpl : public IExportHost {
public:
    explicit ExportHostImpl(const JobPaths& paths);

    CString PointFilePath() const override { return files_.DataFile(); }
    CString RawFilePath() const override { return files_.RawFile(); }
    CString ResultFolder() const override { return resultFolder_; }
    CString PointFileTitle() const override;

private:
    JobResultFiles files_;
    CString resultFolder_;
    CString pointFileName_;
};
