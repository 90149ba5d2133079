#include "shell/hosts/CoordLibraryHostImpl.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"

CString CoordLibraryHostImpl::JobFolder() const {
    return job_.Paths().jobFolder;
}

CString CoordLibraryHostImpl::JobFileName() const {
    return job_.Paths().jobFileName;
}

CString CoordLibraryHostImpl::DataFolder() const {
    return job_.Paths().dataFolder;
}

void CoordLibraryHostImpl::Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e,
                                             double& hOut) {
    position_.First().Wgs84ToLocalPlane(bDeg, lDeg, h, n, e, hOut);
}

GeoPointChoice CoordLibraryHostImpl::PickGeoPoint(CWnd* parent) {
    return PickFromGeoLibrary({job_.Paths().programFolder, job_.Paths().dataFolder,
                               GeoLibraryPath(job_.Paths().jobFolder, job_.Paths().jobFileName)},
                              parent);
}
