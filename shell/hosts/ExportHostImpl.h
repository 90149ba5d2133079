#pragma once
// The results exports' host: the current job's paths and coordinate parameters, read-only.
#include "export/ExportHost.h"
#include "foundation/JobResultFiles.h"
#include "shell/frame/JobSession.h"

class ExportHostImpl : public IExportHost {
public:
    ExportHostImpl(const JobPaths& paths, const CoordSysParams& params, const CCoordTransform& fixConverter);

    CString PointFilePath() const override { return files_.DataFile(); }
    CString RawFilePath() const override { return files_.RawFile(); }
    CString ResultFolder() const override { return resultFolder_; }
    CString PointFileTitle() const override;
    const CoordSysParams& CoordParams() const override { return params_; }
    const CCoordTransform& FixConverter() const override { return fixConverter_; }

private:
    JobResultFiles files_;
    CString resultFolder_;
    CString pointFileName_;
    const CoordSysParams& params_;
    const CCoordTransform& fixConverter_;
};
