#include "geodesy/screens/NewJobCoordParams.h"

bool StoreNewJobCoordParams(IGeodesyFrame& frame, const CoordSysValues& values) {
    CoordSysParams defaults;
    frame.JobSettings().DefaultCoordParams(defaults);
    CoordSysParams& job = frame.JobCoordParams();
    job = NewJobCoordParams(defaults, job, values);
    frame.ApplyCoordParams();
    RecomputeBaseStation(job, frame.PositionTransform());
    return frame.JobSettings().WriteCoordParams(job);
}
