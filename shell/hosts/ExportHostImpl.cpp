#include "shell/hosts/ExportHostImpl.h"

ExportHostImpl::ExportHostImpl(const JobPaths& paths, const CoordSysParams& params,
                               const CCoordTransform& fixConverter)
    : resultFolder_(paths.resultFolder),
      pointFileName_(paths.dataFileName),
      params_(params),
      fixConverter_(fixConverter) {
    files_.SetResultFileNames(paths.dataFolder, paths.dataFileName);
}

CString ExportHostImpl::PointFileTitle() const {
    const int dot = pointFileName_.ReverseFind(L'.');
    return dot < 0 ? pointFileName_ : pointFileName_.Left(dot);
}
