#include "geodesy/CoordParamGroups.h"

#include <cmath>

#include "geodesy/GeodesyConstants.h"

namespace {
constexpr double kMicro = 1e-06;
constexpr double kPerMillion = 1000000.0;
constexpr double kRadiansPerArcSecond = 4.848136811095216e-06;

constexpr const wchar_t* kBadEllipsoid = L"椭球参数错误:长轴须大于0,扁率须大于1!";
constexpr const wchar_t* kBadScale = L"比例必须大于0!";
constexpr const wchar_t* kBadAngle = L"角度格式错误,分和秒须小于60!";
constexpr const wchar_t* kBadMeridian = L"中央子午线必须在±180°以内!";
constexpr const wchar_t* kBadLatitude = L"基准纬度必须在±90°以内!";

// Both conversions go through the packed form the way the dialogs always have, so that a value
// shown and stored back unchanged stays the same.
double DegreesToPacked(double degrees) {
    return CCoordTransform().ConvertDmsAngle(degrees * kDegToRad, 0);
}
double PackedToDegrees(double packed) {
    return CCoordTransform().ConvertDmsAngle(packed, 1) * kRadToDeg;
}
double RadiansToPacked(double radians) {
    return CCoordTransform().ConvertDmsAngle(radians, 0);
}
double PackedToRadians(double packed) {
    return CCoordTransform().ConvertDmsAngle(packed, 1);
}

std::optional<ParamRefusal> CheckAngle(double packed, double limitDeg, const wchar_t* outOfRange,
                                       ParamField field) {
    if (!IsPackedAngle(packed)) return ParamRefusal{kBadAngle, field};
    // The round trip through the truncated factors may overshoot the limit by a rounding step.
    if (std::fabs(PackedToDegrees(packed)) > limitDeg + 1e-9) return ParamRefusal{outOfRange, field};
    return std::nullopt;
}
}  // namespace

ProjectionValues ProjectionValuesOf(const ProjectionBlock& b) {
    return {b.nTouYin,  DegreesToPacked(b.szdCenter), b.szlTx, b.szlTy, b.szdTk,
            b.szdTHigh, DegreesToPacked(b.ProjectLat)};
}

void StoreProjectionValues(const ProjectionValues& v, ProjectionBlock& b) {
    b.nTouYin = v.type;
    b.szdCenter = PackedToDegrees(v.centralMeridian);
    b.szlTx = v.falseNorthing;
    b.szlTy = v.falseEasting;
    b.szdTk = v.scale;
    b.szdTHigh = v.height;
    b.ProjectLat = PackedToDegrees(v.baseLatitude);
}

double ProposedScale(int32_t type) {
    switch (type) {
        case kProjUtm:
            return 0.9996;
        case kProjObliqueStereographic:
        case kProjDoubleStereographic:
            return 0.99975;
        default:
            return 1.0;
    }
}

bool UsesBaseLatitude(int32_t type) {
    return type >= kProjTransverseMercator && type <= kProjDoubleStereographic;
}

FourParamValues FourParamValuesOf(const FourParamBlock& b) {
    return {b.nDifang, b.szdCx1, b.szdCy1, RadiansToPacked(b.szdCa1), b.szdCk1};
}

void StoreFourParamValues(const FourParamValues& v, FourParamBlock& b) {
    b = {v.enabled, v.shiftX, v.shiftY, PackedToRadians(v.rotation), v.scale};
}

SevenParamValues SevenParamValuesOf(const SevenParamBlock& b) {
    return {b.nSevenPar,
            b.szddx,
            b.szddy,
            b.szddz,
            b.szdWx * kArcSecondsPerRadian,
            b.szdWy * kArcSecondsPerRadian,
            b.szdWz * kArcSecondsPerRadian,
            b.szddK * kPerMillion};
}

void StoreSevenParamValues(const SevenParamValues& v, SevenParamBlock& b) {
    b = {v.enabled,
         v.dx,
         v.dy,
         v.dz,
         v.rx * kRadiansPerArcSecond,
         v.ry * kRadiansPerArcSecond,
         v.rz * kRadiansPerArcSecond,
         v.ppm * kMicro};
}

HeightFitValues HeightFitValuesOf(const HeightFitParams& p) {
    return {p.nNiheMode, p.szdNiheA, p.szdNiheX0, p.szdNiheY0};
}

void StoreHeightFitValues(const HeightFitValues& v, HeightFitParams& p) {
    p.nNiheMode = v.enabled;
    p.szdNiheA = v.a;
    p.szdNiheX0 = v.x0;
    p.szdNiheY0 = v.y0;
}

bool IsPackedAngle(double packed) {
    double whole = 0.0;
    const double fraction = std::modf(std::fabs(packed), &whole);
    // Ten decimals, as the packed form is written: 117.3 reads as 117 degrees 30 minutes, not 29'99".
    const long long digits = std::llround(fraction * 1e10);
    const long long minutes = digits / 100000000;
    const long long seconds = digits / 1000000 % 100;
    return digits >= 10000000000LL || (minutes < 60 && seconds < 60);
}

std::optional<ParamRefusal> CheckEllipsoid(const EllipsoidParams& e, bool typed) {
    if (!typed) return std::nullopt;
    if (!(e.szdDa > 0.0)) return ParamRefusal{kBadEllipsoid, ParamField::kSemiMajor};
    if (!(e.szdDf > 1.0)) return ParamRefusal{kBadEllipsoid, ParamField::kInvFlattening};
    return std::nullopt;
}

std::optional<ParamRefusal> CheckProjection(const ProjectionValues& v) {
    if (auto refusal = CheckAngle(v.centralMeridian, 180.0, kBadMeridian, ParamField::kCentralMeridian))
        return refusal;
    if (!(v.scale > 0.0)) return ParamRefusal{kBadScale, ParamField::kScale};
    if (UsesBaseLatitude(v.type))
        return CheckAngle(v.baseLatitude, 90.0, kBadLatitude, ParamField::kBaseLatitude);
    return std::nullopt;
}

std::optional<ParamRefusal> CheckFourParams(const FourParamValues& v) {
    if (!v.enabled) return std::nullopt;
    if (!IsPackedAngle(v.rotation)) return ParamRefusal{kBadAngle, ParamField::kRotation};
    if (!(v.scale > 0.0)) return ParamRefusal{kBadScale, ParamField::kFourScale};
    return std::nullopt;
}

CoordSysParams NewJobCoordParams(const CoordSysParams& defaults, const CoordSysParams& current,
                                 const CoordSysValues& values) {
    CoordSysParams p = defaults;
    const BaseStationRec& kept = current.base;
    BaseStationRec& base = p.base;
    base.szdBasePX = kept.szdBasePX;
    base.szdBasePY = kept.szdBasePY;
    base.szdBasePH = kept.szdBasePH;
    base.szdBaseLat = kept.szdBaseLat;
    base.szdBaseLon = kept.szdBaseLon;
    base.szdBaseHgt = kept.szdBaseHgt;
    base.szBaseStationID = kept.szBaseStationID;
    p.ellipsoid = values.ellipsoid;
    StoreProjectionValues(values.projection, p.projection);
    StoreFourParamValues(values.four, p.four);
    StoreSevenParamValues(values.seven, p.seven);
    p.heightFit.nNiheMode = values.heightFit.enabled;
    p.heightFit.szdNiheA = values.heightFit.a;
    return p;
}

void RecomputeBaseStation(CoordSysParams& p, CCoordTransform& t) {
    BaseStationRec& base = p.base;
    if (!base.HoldsBase()) return;
    double b = PackedToDegrees(base.szdBaseLat);
    double l = PackedToDegrees(base.szdBaseLon);
    double h = base.szdBaseHgt;
    if (p.seven.nSevenPar) t.Wgs84ToLocalBlh(b, l, h);
    double x = 0.0, y = 0.0;
    t.GeodeticToPlane(p.projection.nTouYin, b, l, x, y);
    base.szdBaseX = x;
    base.szdBaseY = y;
    base.szdBaseH = h;
    BaseCalibSlot& first = p.calib.slot[0];
    first.szdSx = x;
    first.szdSy = y;
    first.szdSh = h;
}
