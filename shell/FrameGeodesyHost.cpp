#include "shell/FrameGeodesyHost.h"

#include "geodesy/CoordParamGroups.h"
#include "shell/CMainFrame.h"

const CoordSysParams& FrameGeodesyHost::JobCoordParams() const {
    return frame_.Job().coord;
}

const CoordSysParams& FrameGeodesyHost::SpareCoordParams() const {
    return frame_.Job().coord2;
}

CoordSysParams FrameGeodesyHost::NewJobDefaults() const {
    CoordSysParams defaults;
    frame_.Job().jobs.DefaultCoordParams(defaults);
    return defaults;
}

bool FrameGeodesyHost::ChangeCoordParams(const CoordSysParams& params, BaseStation base) {
    JobSession& job = frame_.Job();
    job.coord = params;
    frame_.ApplyCoordParams();
    if (base == BaseStation::kReprojected) RecomputeBaseStation(job.coord, frame_.Position().First());
    return job.jobs.WriteCoordParams(job.coord);
}

void FrameGeodesyHost::RearmWarning(ParamWarning warning) {
    frame_.Watch().Rearm(warning);
}
