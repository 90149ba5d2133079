#pragma once
// The coordinate-system dialogs' view of the main frame.
#include "geodesy/screens/GeodesyHost.h"

class CMainFrame;

class GeodesyHostImpl final : public IGeodesyHost {
public:
    explicit GeodesyHostImpl(CMainFrame& frame) : frame_(frame) {}

    const CoordSysParams& CoordParams() const override;
    const CoordSysParams& SpareCoordParams() const override;
    CoordSysParams NewJobDefaults() const override;
    bool SaveCoordParams(const CoordSysParams& params, BaseStation base) override;
    void RearmWarning(ParamWarning warning) override;

private:
    CMainFrame& frame_;
};
