#include "geodesy/screens/NewJobCoordParams.h"

bool StoreNewJobCoordParams(IGeodesyHost& host, const CoordSysValues& values) {
    return host.SaveCoordParams(NewJobCoordParams(host.NewJobDefaults(), host.CoordParams(), values),
                                BaseStation::kReprojected);
}
