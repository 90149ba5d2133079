#pragma once
// The coordinate-system dialogs' view of the main frame.
#include "geodesy/GeodesyHost.h"

class JobSession;
class Supervision;

class GeodesyHostImpl final : public IGeodesyHost {
public:
    GeodesyHostImpl(JobSession& job, Supervision& watch) : job_(job), watch_(watch) {}

    const CoordSysParams& CoordParams() const override;
    const CoordSysParams& SpareCoordParams() const override;
    CoordSysParams NewJobDefaults() const override;
    bool SaveCoordParams(const CoordSysParams& params, BaseStation base) override;
    void RearmWarning(ParamWarning warning) override;

private:
    JobSession& job_;
    Supervision& watch_;
};
