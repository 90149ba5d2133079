#include "receiver/BaseConversion.h"

namespace {

constexpr double kWgs84SemiMajor = 6378137.0;
constexpr double kWgs84InvFlattening = 298.257223563;

}  // namespace

void Wgs84BlhToXyzOn(CCoordTransform& transformer, const EllipsoidParams& jobEllipsoid, double latDeg,
                     double lonDeg, double height, double* x, double* y, double* z) {
    transformer.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    transformer.BlhToXyz(latDeg, lonDeg, height, *x, *y, *z);
    transformer.SetEllipsoid(jobEllipsoid.szdDa, jobEllipsoid.szdDf);
}
