#include "shell/frame/FoundationServices.h"

#include "calibration/screens/CGeoCoordLibDlg.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/PositionConverter.h"

CString FoundationServices::JobFolder() const {
    return job_.paths.jobFolder;
}

CString FoundationServices::JobFileName() const {
    return job_.paths.jobFileName;
}

CString FoundationServices::DataFolder() const {
    return job_.paths.dataFolder;
}

void FoundationServices::Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e,
                                           double& hOut) {
    position_.First().Wgs84ToLocalPlane(bDeg, lDeg, h, n, e, hOut);
}

GeoPointChoice FoundationServices::PickGeoPoint(CWnd* parent) {
    return PickFromGeoLibrary({job_.paths.programFolder, job_.paths.dataFolder,
                               GeoLibraryPath(job_.paths.jobFolder, job_.paths.jobFileName)},
                              parent);
}
