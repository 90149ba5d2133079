#include "shell/hosts/GeodesyHostImpl.h"

#include "geodesy/CoordParamGroups.h"
#include "geodesy/CoordParamsApply.h"
#include "shell/frame/JobSession.h"
#include "shell/frame/Supervision.h"

const CoordSysParams& GeodesyHostImpl::CoordParams() const {
    return job_.CoordParams();
}

const CoordSysParams& GeodesyHostImpl::SpareCoordParams() const {
    return job_.SpareCoordParams();
}

CoordSysParams GeodesyHostImpl::NewJobDefaults() const {
    return job_.NewJobCoordParams();
}

bool GeodesyHostImpl::SaveCoordParams(const CoordSysParams& params, BaseStation base) {
    CoordSysParams stored = params;
    if (base == BaseStation::kReprojected) {
        CCoordTransform converter;
        ApplyCoordParams(stored, converter);
        RecomputeBaseStation(stored, converter);
    }
    return job_.StoreCoordParams(stored);
}

void GeodesyHostImpl::RearmWarning(ParamWarning warning) {
    watch_.Rearm(warning);
}
