#include "shell/hosts/GeodesyHostImpl.h"

#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/CMainFrame.h"

const CoordSysParams& GeodesyHostImpl::CoordParams() const {
    return frame_.Job().coord;
}

const CoordSysParams& GeodesyHostImpl::SpareCoordParams() const {
    return frame_.Job().coord2;
}

CoordSysParams GeodesyHostImpl::NewJobDefaults() const {
    CoordSysParams defaults;
    frame_.Job().jobs.DefaultCoordParams(defaults);
    return defaults;
}

bool GeodesyHostImpl::SaveCoordParams(const CoordSysParams& params, BaseStation base) {
    CoordSysParams stored = params;
    if (base == BaseStation::kReprojected) {
        CCoordTransform converter;
        ApplyCoordParams(stored, converter);
        RecomputeBaseStation(stored, converter);
    }
    return frame_.Job().StoreCoordParams(stored);
}

void GeodesyHostImpl::RearmWarning(ParamWarning warning) {
    frame_.Watch().Rearm(warning);
}
