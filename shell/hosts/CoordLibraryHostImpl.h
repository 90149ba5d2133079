#pragma once
// The coordinate library's and the point dialogs' view of the frame (ICoordLibraryHost), built from
// the job's paths and the position converter; the latitude/longitude picker is the job's library.
#include "foundation/CoordLibraryHost.h"

class JobSession;
class PositionConverter;

class CoordLibraryHostImpl final : public ICoordLibraryHost {
public:
    CoordLibraryHostImpl(const JobSession& job, const PositionConverter& position)
        : job_(job), position_(position) {}

    CString JobFolder() const override;
    CString JobFileName() const override;
    CString DataFolder() const override;
    void Wgs84ToLocalPlane(double bDeg, double lDeg, double h, double& n, double& e, double& hOut) override;
    GeoPointChoice PickGeoPoint(CWnd* parent) override;

private:
    const JobSession& job_;
    const PositionConverter& position_;
};
