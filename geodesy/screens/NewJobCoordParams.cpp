#include "geodesy/screens/NewJobCoordParams.h"

bool StoreNewJobCoordParams(IGeodesyHost& host, const CoordSysValues& values) {
    return host.ChangeCoordParams(NewJobCoordParams(host.NewJobDefaults(), host.JobCoordParams(), values),
                                  BaseStation::kReprojected);
}
