#include "shell/hosts/FrameGeodesyHost.h"

#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/CMainFrame.h"

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
    CoordSysParams stored = params;
    if (base == BaseStation::kReprojected) {
        CCoordTransform converter;
        ApplyCoordParams(stored, converter);
        RecomputeBaseStation(stored, converter);
    }
    return frame_.Job().StoreCoordParams(stored);
}

void FrameGeodesyHost::RearmWarning(ParamWarning warning) {
    frame_.Watch().Rearm(warning);
}
