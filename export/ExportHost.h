#pragma once
// What the results exports need of the main frame: where the current job's files are, where
// exports go and the grid the points were stored on. Reads only; an export never changes a file
// of the job.
#include "foundation/CoordSysParams.h"
#include "geodesy/CoordTransform.h"
#include "platform/text/CString.h"

class IExportHost {
public:
    virtual ~IExportHost() = default;
    // The current point file (data\<name>.xyh) and its raw record file (data\<name>.blh).
    virtual CString PointFilePath() const = 0;
    virtual CString RawFilePath() const = 0;
    // The job's result folder, ending in "\": exports are written there.
    virtual CString ResultFolder() const = 0;
    // The point file's name without its extension, the exports' default name.
    virtual CString PointFileTitle() const = 0;
    // The job's coordinate parameters and the converter loaded with them that converts every fix.
    virtual const CoordSysParams& CoordParams() const = 0;
    virtual const CCoordTransform& FixConverter() const = 0;
};
