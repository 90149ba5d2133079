#include "calibration/RawPointSources.h"

#include <cmath>

#include "geodesy/GeodesyConstants.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

double Millimetres(double value) {
    return ToDouble(Format(L"%.3f", value));
}

RawPoint ProjectGeodetic(const CCoordTransform& converter, int projectionType, double packedB, double packedL,
                         double h) {
    const double b = converter.ConvertDmsAngle(packedB, 1) * kRadToDeg;
    const double l = converter.ConvertDmsAngle(packedL, 1) * kRadToDeg;
    RawPoint point;
    converter.GeodeticToPlane(projectionType, b, l, point.x, point.y);
    return RawPoint{Millimetres(point.x), Millimetres(point.y), h};
}

RawPoint ProjectEarthCentred(const CCoordTransform& converter, const CoordSysParams& job, double x, double y,
                             double z) {
    CCoordTransform wgs84 = converter;
    wgs84.SetEllipsoid(kWgs84SemiMajor, kWgs84InvFlattening);
    double b = 0.0, l = 0.0, h = 0.0;
    wgs84.XyzToBlh(x, y, z, b, l, h);
    CCoordTransform local = converter;
    local.SetEllipsoid(job.ellipsoid.szdDa, job.ellipsoid.szdDf);
    RawPoint point;
    local.GeodeticToPlane(job.projection.nTouYin, b * kRadToDeg, l * kRadToDeg, point.x, point.y);
    return RawPoint{Millimetres(point.x), Millimetres(point.y), Millimetres(h)};
}

std::optional<double> VerticalAntennaHeight(double typed, int kind, const AntennaConstants& antenna) {
    if (kind == kSlantHeight) {
        if (typed <= antenna.radius) return std::nullopt;
        return Millimetres(std::sqrt(typed * typed - antenna.radius * antenna.radius) + antenna.phaseOffset);
    }
    if (kind == kPoleHeight) return Millimetres(typed + antenna.poleOffset);
    return typed;
}

bool FixCanCalibrate(const CGpsState& fix) {
    return fix.solutionCode != kSolNone && !(fix.latitude == 0.0 && fix.longitude == 0.0);
}
