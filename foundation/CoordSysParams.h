#pragma once
// The job's coordinate-parameter file in memory. Field names are the file's keys.
#include <array>
#include <cmath>
#include <cstdint>
#include "platform/text/CString.h"

struct CoordTriple {
    double x = 0.0;
    double y = 0.0;
    double h = 0.0;

    bool operator==(const CoordTriple&) const = default;
};

struct EllipsoidParams {
    CString szDatum;     // ellipsoid or datum name
    double szdDa = 0.0;  // semi-major axis, metres
    double szdDf = 0.0;  // inverse flattening

    bool operator==(const EllipsoidParams&) const = default;
};

struct ProjectionBlock {
    int32_t nTouYin = 0;      // projection type 0 to 4
    double szdCenter = 0.0;   // central meridian, decimal degrees
    int32_t szlTx = 0;        // false northing, whole metres
    int32_t szlTy = 0;        // false easting, whole metres
    double szdTk = 0.0;       // scale on the central meridian
    double szdTlon = 0.0;     // kept with the group, not used by the transformations
    double szdTHigh = 0.0;    // projection height, metres
    double ProjectLat = 0.0;  // base latitude, decimal degrees (key szdProjectLat)

    bool operator==(const ProjectionBlock&) const = default;
};

struct SevenParamBlock {
    int32_t nSevenPar = 0;  // 1 when applied
    double szddx = 0.0;     // metres
    double szddy = 0.0;
    double szddz = 0.0;
    double szdWx = 0.0;  // radians
    double szdWy = 0.0;
    double szdWz = 0.0;
    double szddK = 0.0;  // scale difference

    bool operator==(const SevenParamBlock&) const = default;
};

struct FourParamBlock {
    int32_t nDifang = 0;  // 1 when applied
    double szdCx1 = 0.0;  // metres
    double szdCy1 = 0.0;
    double szdCa1 = 0.0;  // radians
    double szdCk1 = 0.0;  // scale

    bool operator==(const FourParamBlock&) const = default;
};

struct HeightFitParams {
    int32_t nNiheMode = 0;
    std::array<double, 6> szdNiheA{};  // szdNiheA0 to szdNiheA5
    double szdNiheX0 = 0.0;            // grid origin of the surface, metres
    double szdNiheY0 = 0.0;
    CString szConF;

    void Reset() { *this = HeightFitParams{}; }

    bool operator==(const HeightFitParams&) const = default;
};

struct AdjustParamBlock {
    int32_t UseNum = 0;
    double szdAdjustX = 0.0;  // added to every converted position, metres
    double szdAdjustY = 0.0;
    double szdAdjustH = 0.0;

    bool operator==(const AdjustParamBlock&) const = default;
};

// A receiver that has heard no base reports it at latitude or longitude 0; no base lies there.
// Either angle form (decimal or packed degrees) is zero at the same place.
inline bool IsBasePosition(double latitude, double longitude) {
    constexpr double kZeroDegrees = 1e-6;
    return std::fabs(latitude) > kZeroDegrees && std::fabs(longitude) > kZeroDegrees;
}

struct BaseStationRec {
    double szdBasePX = 0.0;  // WGS-84 Cartesian, metres
    double szdBasePY = 0.0;
    double szdBasePH = 0.0;
    double szdBaseLat = 0.0;  // packed degrees-minutes-seconds
    double szdBaseLon = 0.0;
    double szdBaseHgt = 0.0;  // ellipsoidal height, metres
    double szdBaseX = 0.0;    // grid, metres
    double szdBaseY = 0.0;
    double szdBaseH = 0.0;
    CString szBaseStationID;

    void Reset() { *this = BaseStationRec{}; }
    // A base was received into the record (or given to it); before that its position is zero.
    bool HoldsBase() const { return IsBasePosition(szdBaseLat, szdBaseLon); }

    bool operator==(const BaseStationRec&) const = default;
};

// One calibration slot; the keys carry the slot digit at the end (szdSx0 ...).
struct BaseCalibSlot {
    double szdSx = 0.0;
    double szdSy = 0.0;
    double szdSh = 0.0;
    double szdKx = 0.0;  // known grid coordinates of the base
    double szdKy = 0.0;
    double szdKh = 0.0;
    double szdKAnh = 0.0;  // antenna height of the known coordinates

    bool operator==(const BaseCalibSlot&) const = default;
};

struct BaseCalibBlock {
    std::array<BaseCalibSlot, 3> slot{};

    bool operator==(const BaseCalibBlock&) const = default;
};

struct CoordSysParams {
    CString szVersion;
    EllipsoidParams ellipsoid;
    ProjectionBlock projection;
    SevenParamBlock seven;
    FourParamBlock four;
    HeightFitParams heightFit;
    AdjustParamBlock adjust;
    BaseStationRec base;
    BaseCalibBlock calib;

    void Reset() { *this = CoordSysParams{}; }

    bool operator==(const CoordSysParams&) const = default;
};
